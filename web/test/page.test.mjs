// The page in headless Chromium, served as static files: search and open a window, type and
// press, a link that opens a case, copy as table, practice, and a phone and a desktop screenshot.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';

import puppeteer from 'puppeteer-core';

import { native, webDir } from './support.mjs';

const site = path.join(webDir, 'site');
const shots = path.join(webDir, 'screenshots');
let server;
let browser;
let base;

before(async () => {
  const port = 18000 + Math.floor(Math.random() * 2000);
  server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', site],
    { stdio: 'ignore' });
  base = `http://127.0.0.1:${port}/index.html`;
  for (let i = 0; i < 100; ++i) {
    try {
      if ((await fetch(base)).ok) break;
    } catch {
      await new Promise((r) => setTimeout(r, 100));
    }
  }
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'varnello-chromium-')),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--lang=zh-CN'],
  });
  browser.defaultBrowserContext().overridePermissions(`http://127.0.0.1:${port}`, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  fs.mkdirSync(shots, { recursive: true });
});

after(async () => {
  await browser?.close();
  server?.kill();
});

async function open(hash = '', width = 1280) {
  const page = await browser.newPage();
  const requests = [];
  page.on('request', (r) => requests.push(r.url()));
  await page.setViewport({ width, height: width < 600 ? 844 : 900 });
  await page.goto(base + hash);
  await page.waitForSelector('body[data-ready="1"]');
  page.requests = requests;
  return page;
}

const printedLines = (page) => page.$$eval('#output .line', (lines) => lines.map((l) => l.firstChild?.textContent ?? ''));

function coreLines(window, fields) {
  const answer = JSON.parse(native(['batch'], JSON.stringify({ window, fields }) + '\n').stdout);
  return answer.lines;
}

test('search gz, open 工资, type figures and press: the lines of the core', async () => {
  const page = await open();
  await page.type('#keyword', 'gz');
  await page.waitForSelector('#suggestions li[data-window="Form101"]');
  const offered = await page.$$eval('#suggestions li', (li) => li.map((l) => l.firstChild.textContent));
  assert.ok(offered.includes('工资'), offered.join(','));
  await page.click('#suggestions li[data-window="Form101"]');
  await page.waitForSelector('#Text10');
  assert.match(page.url(), /#\/Form101$/);
  const fields = { Text10: '50000', Text11: '8000', Text12: '3500.5', Text13: '1200', Text1: '0.3', Text14: '0.08' };
  for (const [name, value] of Object.entries(fields)) await page.type(`#${name}`, value);
  await page.click('button[name="Command1"]');
  await page.waitForSelector('#output .line');
  assert.deepEqual(await printedLines(page), coreLines('Form101', fields));
  // The link follows the fields.
  const link = new URL(page.url()).hash;
  assert.match(link, /Text12=3500.5/);
  assert.match(link, /press=1/);
  // Working on hover, and with the switch, under each amount line.
  await page.hover('#output .line.amount');
  await page.waitForSelector('.note');
  assert.match(await page.$eval('.note', (n) => n.textContent), /大写金额：/);
  await page.click('#showWorking');
  assert.ok((await page.$$('#output .working')).length > 0);
  // 取消 clears the lines, not the figures.
  await page.click('button[name="Command2"]');
  assert.equal((await page.$$('#output .line')).length, 0);
  assert.equal(await page.$eval('#Text12', (f) => f.value), '3500.5');
  // Nothing was fetched from elsewhere.
  assert.deepEqual(page.requests.filter((u) => !u.startsWith(base.replace('index.html', ''))), []);
  await page.close();
});

test('a link opens a case and presses 确定', async () => {
  const page = await open('#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1');
  await page.waitForSelector('#output .line');
  const lines = await printedLines(page);
  assert.ok(lines.includes('银行存款（贷） 10050 '), lines.join('|'));
  assert.deepEqual(lines, coreLines('Form6', { Text1: '10', Text2: '0.5', Text3: '1000', Text4: '50' }));
  assert.equal(await page.$eval('#Text3', (f) => f.value), '1000');
  // A fault is told after the lines printed before it.
  await page.goto(`${base}#/Form14?press=1`);
  await page.waitForSelector('#output .line');
  await page.close();
});

test('copy as table gives the core table', async () => {
  const page = await open('#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1');
  await page.waitForSelector('#output .line');
  await page.click('#copyTable');
  await page.waitForFunction(() => document.getElementById('toolStatus').textContent !== '');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  const expected = native(['press', 'Form6', 'Text1=10', 'Text2=0.5', 'Text3=1000', 'Text4=50', '--format', 'tsv']).stdout.toString();
  assert.equal(copied, expected);
  assert.match(copied, /银行存款/);
  await page.close();
});

test('practice: figures from the core, answers marked with reasons', async () => {
  const page = await open('#/Form6');
  await page.click('#practiceMode');
  await page.waitForSelector('.practice');
  const price = await page.$eval('#Text1', (f) => f.value);
  assert.notEqual(price, '');
  await page.type('.practice tbody tr:first-child .account', '银行存款');
  await page.select('.practice tbody tr:first-child .side', '借');
  await page.type('.practice tbody tr:first-child .amount', '1');
  await page.click('#markAnswer');
  const result = await page.$eval('.practice .result', (r) => r.textContent);
  assert.match(result, /得分 \d+%/);
  assert.match(await page.$eval('.practice tbody tr:first-child .mark', (m) => m.textContent), /借贷方向错误|金额错误|答案中没有这一行/);
  await page.close();
});

test('the site is its four files and the module, within 2 MB', () => {
  const files = fs.readdirSync(site).sort();
  assert.deepEqual(files, ['app.js', 'index.html', 'style.css', 'varnello.mjs', 'varnello.wasm']);
  const bytes = files.reduce((sum, f) => sum + fs.statSync(path.join(site, f)).size, 0);
  assert.ok(bytes <= 2 * 1024 * 1024, `${bytes} bytes`);
});

test('phone and desktop screenshots; a category page', async () => {
  for (const width of [390, 1280]) {
    const page = await open('#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1', width);
    await page.waitForSelector('#output .line');
    await page.screenshot({ path: path.join(shots, `form6-${width}.png`), fullPage: true });
    const column = await page.$eval('.window', (w) => w.classList.contains('narrow'));
    assert.equal(column, width < 760);
    await page.goto(`${base}#/Form66`);
    await page.waitForSelector('button[name="Command2"]');
    await page.screenshot({ path: path.join(shots, `form66-${width}.png`), fullPage: true });
    await page.click('button[name="Command2"]');
    await page.waitForSelector('#Text1');
    assert.match(page.url(), /#\/Form6$/);
    await page.close();
  }
});
