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
