// What the browser tests share: where the programs are, running them, and figures to type.
import { spawnSync } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
export const nativeCli = process.env.VARNELLO_CLI ?? path.join(root, 'build', 'varnello-cli');
export const webDir = process.env.VARNELLO_WEB ?? path.join(root, 'build-web');
export const nodeCli = path.join(webDir, 'varnello-cli.mjs');

// Runs a program to its end: {status, stdout (Buffer), stderr}.
export function runProgram(command, args, input = '') {
  const r = spawnSync(command, args, { input, maxBuffer: 1 << 30 });
  if (r.error) throw r.error;
  return { status: r.status, stdout: r.stdout, stderr: r.stderr.toString() };
}
export const native = (args, input) => runProgram(nativeCli, args, input);
export const wasm = (args, input) => runProgram(process.execPath, [nodeCli, ...args], input);

// A small seeded generator, so that a failure can be run again.
export function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Texts at the edges of reading an amount, and of printing one.
export const EDGE_TEXTS = [
  '', '0', '-0', '1', '-1', '0.1', '0.2', '0.3', '1/3', '.5', '-.5', '1e3', '1E-3', '1e308', '1e309', '-1e309',
  '1e-320', '1e-400', '4.9e-324', '2.2250738585072014e-308', '1.7976931348623157e308', '9007199254740993',
  '123456789012345678', '999999999999999.5', '0.00001', '0.0001234', '1e15', '1e16', '&H10', '&hFF', '&O17',
  '&Q1', ' 1 000 ', '1,500', '12元', 'abc', '１２３', '−5', '+7', '1e', '1e+', '--1', '1..2', 'NaN', 'Inf',
  '\t2\n5 ', '0.1234567890123456789', '3.14159265358979323846', '6.02214076e23', '1e-5', '33.333333333333336',
  '9'.repeat(40), '0.' + '0'.repeat(30) + '1', '"quoted"', '\\', '\u0001',
];

// A figure as a user might type it: amounts of money, rates, counts, and now and then any double.
export function randomText(next) {
  const r = next();
  if (r < 0.25) return EDGE_TEXTS[Math.floor(next() * EDGE_TEXTS.length)];
  if (r < 0.5) return String(Math.round(next() * 10 ** Math.floor(next() * 9)) / 100);
  if (r < 0.65) return next().toFixed(Math.floor(next() * 4));
  if (r < 0.75) return String(Math.floor(next() * 50));
  if (r < 0.9) return (next() * 10 ** (Math.floor(next() * 40) - 20)).toPrecision(1 + Math.floor(next() * 17));
  const bytes = new Float64Array(new Uint32Array([next() * 2 ** 32, next() * 2 ** 32]).buffer);
  return String(bytes[0]);
}
