#!/usr/bin/env node
// varnello-cli for Node: the command line itself, compiled to WebAssembly, with this process's
// arguments, standard input, output, exit status and files. Answers exactly as the native
// program, except for the two writers that are native libraries (see REFUSED below).
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);

// The xlsx workbook and the PDF documents are written by native libraries, which this build has
// not: such a command is refused before it runs, and --help says so.
const REFUSED_NOTE = `
In this Node runner (varnello-cli.mjs) every command answers as the native varnello-cli and reads
and writes files alike, except the two writers that are native libraries: press --format xlsx,
press --format voucher-pdf and set print are refused (exit status 2, nothing written); use the
native varnello-cli for them.
`;
function refusal(argv) {
  const words = [...argv];
  if (words[0] === 'press') {
    for (let i = 1; i < words.length; ++i) {
      const format = words[i] === '--format' ? words[i + 1] : words[i].startsWith('--format=') ? words[i].slice(9) : null;
      if (format === 'xlsx' || format === 'voucher-pdf') return `press --format ${format}`;
    }
  }
  if (words[0] === 'set' && words[1] === 'print') return 'set print';
  return null;
}
const refused = refusal(args);
if (refused !== null) {
  process.stderr.write(`varnello-cli: ${refused} is not available in the Node runner: its writer is a native ` +
    'library; use the native varnello-cli (see --help)\n');
  process.exit(2);
}

// The module's Node support expects CommonJS's require and __dirname.
globalThis.require ??= createRequire(import.meta.url);
globalThis.__dirname ??= path.join(here, 'site');
const { default: createVarnello } = await import(path.join(here, 'site', 'varnello.mjs'));

// Output and errors, collected and written in large pieces, and whenever the program waits for
// input: an answer reaches its reader before the next request is read.
class Sink {
  constructor(fd) {
    this.fd = fd;
    this.buffer = Buffer.alloc(1 << 16);
    this.used = 0;
  }
  put(byte) {
    if (byte === null) return;
    if (this.used === this.buffer.length) this.flush();
    this.buffer[this.used++] = byte;
  }
  flush() {
    let at = 0;
    while (at < this.used) {
      try {
        at += fs.writeSync(this.fd, this.buffer, at, this.used - at);
      } catch (e) {
        if (e.code !== 'EAGAIN') throw e;
      }
    }
    this.used = 0;
  }
}
const stdout = new Sink(1);
const stderr = new Sink(2);

// Standard input as the program reads it: a read takes the bytes at hand, and waits for input
// only when there are none (writing the output so far first), so that each request line is
// answered as soon as it is read, whatever comes after it. (The module's own device would fill
// each read to the length asked for, holding an answer until 64 KiB more input had come.)
const input = Buffer.alloc(1 << 16);
let inputEnd = 0;
let inputAt = 0;
let inputDone = false;
function readInput(buffer, offset, length) {
  if (inputAt === inputEnd) {
    if (inputDone) return 0;
    stdout.flush();
    stderr.flush();
    for (;;) {
      try {
        inputEnd = fs.readSync(0, input, 0, input.length, null);
      } catch (e) {
        if (e.code === 'EAGAIN') continue;
        if (e.code === 'EOF') inputEnd = 0;
        else throw e;
      }
      break;
    }
    inputAt = 0;
    if (inputEnd === 0) {
      inputDone = true;
      return 0;
    }
  }
  const n = Math.min(length, inputEnd - inputAt);
  buffer.set(input.subarray(inputAt, inputAt + n), offset);
  inputAt += n;
  return n;
}

// The host's folders under the module's own, so that a file named on the command line, absolute
// or relative to the working folder, is the file a native program would open.
function mountHost(FS) {
  const { NODEFS } = FS.filesystems;
  for (const name of fs.readdirSync('/')) {
    if (name === 'dev' || name === 'proc') continue;
    let stat;
    try {
      stat = fs.statSync(`/${name}`);
    } catch {
      continue;
    }
    if (!stat.isDirectory()) continue;
    try {
      FS.mkdir(`/${name}`);
    } catch {
      // The module's own folder of that name (/tmp, /home): the host's is mounted over it.
    }
    FS.mount(NODEFS, { root: `/${name}` }, `/${name}`);
  }
  FS.chdir(process.cwd());
}

const module = await createVarnello({
  wasmBinary: fs.readFileSync(path.join(here, 'site', 'varnello.wasm')),
  preRun: [(m) => {
    m.FS.init(() => null, (b) => stdout.put(b), (b) => stderr.put(b));
    m.FS.getStream(0).stream_ops.read = (stream, buffer, offset, length) => readInput(buffer, offset, length);
    mountHost(m.FS);
  }],
});
const status = module.callMain(args);
if (args.length === 1 && (args[0] === '--help' || args[0] === '-h' || args[0] === 'help')) {
  for (const b of Buffer.from(REFUSED_NOTE)) stdout.put(b);
}
stdout.flush();
stderr.flush();
process.exitCode = typeof status === 'number' ? status : 1;
