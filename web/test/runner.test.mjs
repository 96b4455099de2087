// The Node runner is varnello-cli: byte for byte the same answers on thousands of batch requests
// over every window (random and edge figures, with and without the working), and on the other
// commands the page uses.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { native, random, randomText, wasm } from './support.mjs';

const catalog = JSON.parse(native(['describe', '--json']).stdout);
const topics = catalog.windows.filter((w) => w.kind === 'topic');

function sameOutput(args, input) {
  const a = native(args, input);
  const b = wasm(args, input);
  assert.equal(b.status, a.status, `exit status of ${args.join(' ')}`);
  if (!a.stdout.equals(b.stdout)) {
    const x = a.stdout.toString().split('\n');
    const y = b.stdout.toString().split('\n');
    const i = x.findIndex((line, n) => line !== y[n]);
    assert.fail(`${args.join(' ')}: line ${i + 1} differs\nnative: ${x[i]}\nwasm:   ${y[i]}\nrequest: ${input.split('\n')[i] ?? ''}`);
  }
  assert.equal(b.stderr, a.stderr, `stderr of ${args.join(' ')}`);
  return a.stdout.toString();
}

test('batch answers are byte-identical over every window', () => {
  const next = random(28);
  const lines = [];
  for (let round = 0; round < 30; ++round) {
    for (const w of topics) {
      const fields = {};
      for (const f of w.fields) if (next() < 0.9) fields[f.name] = randomText(next);
      const request = { window: next() < 0.9 ? w.name : w.keywords[0] ?? w.name, fields };
      if (round % 2 === 1) request.explain = true;
      if (next() < 0.1) request.id = round * 1000 + lines.length;
      lines.push(JSON.stringify(request));
    }
  }
  // Every window with empty fields and with the edge texts, and requests the core refuses.
  for (const w of topics) {
    lines.push(JSON.stringify({ window: w.name, explain: true }));
    lines.push(JSON.stringify({ window: w.name, fields: Object.fromEntries(w.fields.map((f, i) => [f.name, ['0', '1e308', '-1', '&HFF', 'x'][i % 5]])) }));
  }
  lines.push('', 'not json', '{"window": "Form1"}', '{"window": "Form6", "fields": {"Text99": "1"}}',
    '{"window": "Form6", "window": "Form6"}', '{"window": "Form6", "fields": {"Text1": 5}}', '[1,2]',
    `{"window": "Form6", "fields": {"Text1": "${'9'.repeat(5000)}"}}`, '{"window":"买股票","id":{"a":[1,2.50]}}');
  assert.ok(lines.length > 3500, `${lines.length} requests`);
  const out = sameOutput(['batch'], lines.join('\n') + '\n');
  assert.equal(out.split('\n').length - 1, lines.length, 'one answer per request');
  assert.match(out, /"working":\[/);
  assert.match(out, /"fault":"division_by_zero"/);
});

test('the other commands answer alike', () => {
  sameOutput(['describe', '--json'], '');
  sameOutput(['describe', 'Form101'], '');
  for (const query of ['gz', 'mgp', 'gongzi', '股票', 'zzz']) sameOutput(['find', query, '--json'], '');
  sameOutput(['capital', '10050', '0.1', '1e15', '12345.678', '99999999999999.99'], '');
  sameOutput(['capital', '1e-400'], '');
  for (const w of topics.slice(0, 8)) sameOutput(['exercise', w.name, '--seed', '7'], '');
  const mark = topics.map((w) => JSON.stringify({
    window: w.name,
    fields: JSON.parse(native(['exercise', w.name, '--seed', '3']).stdout).fields,
    answer: [{ account: '银行存款', side: '借', amount: '100' }, { account: '应收账款', side: '贷', amount: 0.1 }],
  }));
  sameOutput(['mark'], mark.join('\n') + '\n');
  sameOutput(['press', 'Form6', 'Text1=10', 'Text2=0.5', 'Text3=1000', 'Text4=50', '--format', 'csv'], '');
  sameOutput(['press', 'Form14', '--explain'], '');
  sameOutput(['nonsense'], '');
});

test('batch streams: each answer arrives while the input is still open', async () => {
  const { spawn } = await import('node:child_process');
  const { nodeCli } = await import('./support.mjs');
  const child = spawn(process.execPath, [nodeCli, 'batch'], { stdio: ['pipe', 'pipe', 'inherit'] });
  let got = '';
  const nextLine = (count) => new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      child.kill();
      reject(new Error(`no answer ${count} while the input was open; got ${got}`));
    }, 20000);
    const check = () => {
      if (got.split('\n').length - 1 >= count) {
        clearTimeout(timer);
        child.stdout.off('data', onData);
        resolve();
      }
    };
    const onData = (chunk) => { got += chunk; check(); };
    child.stdout.on('data', onData);
    check();
  });
  const requests = [
    { window: 'Form6', fields: { Text1: '10', Text2: '0.5', Text3: '1000', Text4: '50' } },
    { window: 'Form101', fields: { Text10: '5万元' } },
  ];
  for (const [i, r] of requests.entries()) {
    child.stdin.write(JSON.stringify(r) + '\n');
    await nextLine(i + 1);
  }
  child.stdin.end();
  await new Promise((resolve) => child.on('close', resolve));
  assert.equal(got, native(['batch'], requests.map((r) => JSON.stringify(r)).join('\n') + '\n').stdout.toString());
});

test('files: read and written as the native program does, the native writers refused and documented', async () => {
  const fs = await import('node:fs');
  const os = await import('node:os');
  const path = await import('node:path');
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'varnello-runner-'));
  const chart = path.join(dir, '科目表.csv');
  fs.writeFileSync(chart, '科目编码,科目名称\n1002,银行存款\n100201,工行\n');
  // A chart by absolute path, and the import file written by absolute path.
  sameOutput(['accounts', '--chart', chart], '');
  const fromNative = path.join(dir, 'native.csv');
  const fromWasm = path.join(dir, 'wasm.csv');
  const press = ['press', 'Form6', 'Text1=10', 'Text2=0.5', 'Text3=1000', 'Text4=50', '--format', 'import-csv', '--output'];
  assert.equal(native([...press, fromNative]).status, 0);
  assert.equal(wasm([...press, fromWasm]).status, 0);
  assert.ok(fs.readFileSync(fromWasm).length > 0);
  assert.deepEqual(fs.readFileSync(fromWasm), fs.readFileSync(fromNative));
  // A relative name is relative to the working folder.
  const { runProgram, nodeCli } = await import('./support.mjs');
  const { spawnSync } = await import('node:child_process');
  const r = spawnSync(process.execPath, [nodeCli, ...press, 'relative.csv'], { cwd: dir });
  assert.equal(r.status, 0, r.stderr.toString());
  assert.deepEqual(fs.readFileSync(path.join(dir, 'relative.csv')), fs.readFileSync(fromNative));
  // A file that cannot be read: the native program's message and status.
  sameOutput(['accounts', '--chart', path.join(dir, 'missing.csv')], '');
  // The writers that are native libraries: refused, nothing written, and said so in --help.
  for (const format of ['xlsx', 'voucher-pdf']) {
    const out = path.join(dir, `f.${format}`);
    const refused = wasm(['press', 'Form6', 'Text1=10', 'Text3=1000', '--format', format, '--output', out]);
    assert.equal(refused.status, 2);
    assert.match(refused.stderr, new RegExp(`press --format ${format} is not available in the Node runner`));
    assert.equal(fs.existsSync(out), false);
  }
  const help = runProgram(process.execPath, [nodeCli, '--help']);
  assert.equal(help.status, native(['--help']).status);
  assert.ok(help.stdout.toString().startsWith(native(['--help']).stdout.toString()));
  assert.match(help.stdout.toString(), /press --format xlsx,\npress --format voucher-pdf and set print are refused/);
  fs.rmSync(dir, { recursive: true });
});
