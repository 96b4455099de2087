// The page in headless Chromium, served as static files: search and open a window, type and
// press, a link that opens a case, copy as table, practice, and a phone and a desktop screenshot.
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
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
  const phone = width < 600;
  await page.setViewport({ width, height: phone ? 844 : 900, hasTouch: phone, isMobile: phone });
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

test('the site is its files, its icons and the module, within 2 MB', () => {
  const files = fs.readdirSync(site).sort();
  assert.deepEqual(files, ['app.js', 'icon-192.png', 'icon-512.png', 'icon.svg', 'index.html', 'manifest.webmanifest',
    'style.css', 'sw.js', 'varnello.mjs', 'varnello.wasm']);
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
    // The window keeps the case it showed, and the address says so.
    assert.match(page.url(), /#\/Form6\?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1$/);
    await page.close();
  }
});

// ---- Each point a student meets: warnings, installing, links, search, widths, print, phone ----

const noteText = (page) => page.$eval('#note', (n) => n.textContent);

test('a field not read whole shows a sign with its note, by keyboard too; an unbalanced entry is marked', async () => {
  const page = await open(`#/Form6?Text1=${encodeURIComponent('5万元')}&Text3=abc&Text4=50`);
  // The link's figures are checked as they are drawn: the sign, its note for a screen reader.
  const sign = (name) => page.$eval(`#${name}`, (f) => {
    const s = f.parentElement.querySelector('.field-sign');
    const described = f.getAttribute('aria-describedby');
    return { shown: !s.hidden, label: s.getAttribute('aria-label'), description: described && document.getElementById(described).textContent };
  });
  const expected = native(['press', 'Form6', 'Text1=5万元', 'Text3=abc', 'Text4=50']).stderr;
  const first = await sign('Text1');
  assert.ok(first.shown);
  assert.equal(first.description, '读作 5：“万元”未读入');
  assert.ok(expected.includes(`Text1 ${first.description}`), expected);
  assert.match(first.label, /读作 5/);
  assert.equal((await sign('Text3')).description, '读作 0：“abc”未读入');
  assert.deepEqual(await sign('Text4'), { shown: false, label: '提示：', description: null });
  // Tab from the field reaches the sign; Enter opens the note; Escape gives the focus back.
  await page.focus('#Text1');
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.className), 'field-sign');
  await page.keyboard.press('Enter');
  assert.equal(await noteText(page), '读作 5：“万元”未读入');
  await page.keyboard.press('Escape');
  assert.equal(await page.$('#note'), null);
  // Mending the text takes the sign away.
  await page.click('#Text1', { clickCount: 3 });
  await page.type('#Text1', '5');
  assert.equal((await sign('Text1')).shown, false);
  // Debits and credits that differ: the entry's line carries a mark whose note gives the sums.
  const fields = { Text1: '52752.12', Text2: '0.17', Text3: '64265.0', Text4: '30155.42', Text5: '28614.9' };
  const answer = JSON.parse(native(['batch'], JSON.stringify({ window: 'Form15', fields }) + '\n').stdout);
  const unbalanced = answer.entries.filter((e) => e.balanced === false);
  assert.ok(unbalanced.length > 0);
  await page.goto(`${base}#/Form15?${new URLSearchParams({ ...fields, press: '1' })}`);
  await page.waitForSelector('#output .unbalanced');
  const marks = await page.$$eval('#output .unbalanced', (m) => m.map((b) => ({
    line: [...b.closest('#output').children].indexOf(b.parentElement), label: b.getAttribute('aria-label') })));
  assert.equal(marks.length, unbalanced.length);
  assert.equal(answer.lines[marks[0].line], unbalanced[0].heading, 'on the heading of the entry');
  assert.match(marks[0].label, /^借贷不平，借方合计 [\d.]+，贷方合计 [\d.]+，差额/);
  await page.focus('#output .unbalanced');
  await page.keyboard.press('Enter');
  assert.match(await noteText(page), /借方合计/);
  await page.close();
});

test('installable and offline: manifest, icons, worker; progress while loading; a core that fails is told', async () => {
  // A server of its own, stopped to take the network away.
  const port = 20000 + Math.floor(Math.random() * 2000);
  const own = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', site], { stdio: 'ignore' });
  const ownBase = `http://127.0.0.1:${port}/index.html`;
  for (let i = 0; i < 100; ++i) {
    try {
      if ((await fetch(ownBase)).ok) break;
    } catch {
      await new Promise((r) => setTimeout(r, 100));
    }
  }
  // The default profile: an incognito one cannot install.
  const page = await browser.newPage();
  await page.goto(ownBase);
  await page.waitForSelector('body[data-ready="1"]');
  const manifest = JSON.parse(fs.readFileSync(path.join(site, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.display, 'standalone');
  assert.ok(manifest.name && manifest.short_name);
  assert.ok(manifest.icons.some((i) => i.sizes === '512x512' && fs.existsSync(path.join(site, i.src))));
  await page.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await page.createCDPSession();
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  // The worker caches this build's files, under a name that changes with them.
  const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
  assert.match(worker, /const BUILD = '[0-9a-f]{16}'/);
  assert.match(worker, /'\.\/varnello\.wasm'/);
  // Without the network (the server gone, the browser offline) the page opens again and computes.
  own.kill();
  await new Promise((r) => own.on('exit', r));
  await page.setOfflineMode(true);
  await page.goto(`${ownBase}#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1`);
  await page.reload();
  await page.waitForSelector('body[data-ready="1"]');
  await page.waitForSelector('#output .line');
  assert.ok((await printedLines(page)).includes('银行存款（贷） 10050 '));
  await page.close();

  // On a slow line the page shows the core's progress; Enter in the keyword field meanwhile does
  // not reload the page, and the keyword is searched once the core is there.
  const slow = await browser.createBrowserContext();
  const loading = await slow.newPage();
  const net = await loading.createCDPSession();
  await net.send('Network.enable');
  await net.send('Network.emulateNetworkConditions', { offline: false, latency: 100, downloadThroughput: 300000, uploadThroughput: 100000 });
  await loading.goto(base, { waitUntil: 'domcontentloaded' });
  await loading.waitForSelector('#loadProgress');
  await loading.waitForFunction(() => document.getElementById('loadPercent').textContent !== '');
  await loading.type('#keyword', 'mgp');
  await loading.keyboard.press('Enter');
  await loading.waitForSelector('body[data-ready="1"]', { timeout: 60000 });
  assert.equal(loading.url(), base);
  assert.equal(await loading.$eval('#keyword', (k) => k.value), 'mgp');
  await loading.close();
  await slow.close();

  // The core cannot be fetched: a message and a way to try again, not 正在载入… for ever.
  const broken = await browser.createBrowserContext();
  const failing = await broken.newPage();
  await failing.setRequestInterception(true);
  failing.on('request', (r) => (r.url().endsWith('varnello.wasm') ? r.respond({ status: 404, body: '' }) : r.continue()));
  await failing.goto(base);
  await failing.waitForSelector('body[data-ready="failed"]');
  assert.match(await failing.$eval('[role="alert"]', (a) => a.textContent), /无法载入计算核心.*HTTP 404/);
  assert.ok(await failing.$('.load-failed button'));
  await failing.close();
  await broken.close();
});

test('links tell the truth: edits drop press, 本例链接 follows, unknown names answered in Chinese', async () => {
  const page = await open('#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1');
  await page.waitForSelector('#output .line');
  const caseLink = () => page.$eval('#caseLink', (a) => a.getAttribute('href'));
  assert.equal(await caseLink(), new URL(page.url()).hash);
  // Editing after a press: the screen still shows the old press, so the link no longer presses.
  await page.click('#Text3', { clickCount: 3 });
  await page.type('#Text3', '10000');
  assert.doesNotMatch(page.url(), /press=1/);
  assert.match(page.url(), /Text3=10000/);
  assert.equal(await caseLink(), new URL(page.url()).hash);
  // The link without press, opened again, shows the fields and no output.
  const edited = new URL(await caseLink(), page.url()).href;
  await page.goto(`${base}#/Form1`);
  await page.goto(edited);
  await page.waitForSelector('#Text3');
  assert.equal(await page.$eval('#Text3', (f) => f.value), '10000');
  assert.equal((await page.$$('#output .line')).length, 0);
  await page.click('button[name="Command1"]');
  assert.match(await caseLink(), /Text3=10000.*press=1/);
  // Without the clipboard API (plain http) copying still copies, or says that it could not.
  await page.evaluate(() => Object.defineProperty(navigator, 'clipboard', { value: undefined }));
  await page.click('#caseLink');
  await page.waitForFunction(() => document.getElementById('toolStatus').textContent !== '');
  assert.match(await page.$eval('#toolStatus', (s) => s.textContent), /^(已复制本例链接|无法写入剪贴板，请手动复制：http)/);

  const problem = async (hash) => {
    await page.goto(`${base}#/Form1`);
    await page.goto(`${base}${hash}`);
    const alert = await page.waitForSelector('[role="alert"]');
    return alert.evaluate((a) => a.textContent);
  };
  assert.match(await problem('#/Form999'), /没有名为“Form999”的窗口或业务/);
  assert.match(await problem('#/Form6?Text99=1&press=1'), /Text99（Form6 没有这个字段）.*未按“确定”/);
  assert.equal((await page.$$('#output .line')).length, 0);
  assert.match(await problem('#/Form6?Price=10&press=1'), /Price（不认识的参数）/);
  assert.equal((await page.$$('#output .line')).length, 0);
  // A keyword or a lower-case name opens its window under its own name.
  for (const hash of [`#/${encodeURIComponent('买股票')}?Text1=10&press=1`, '#/form6?Text1=10&press=1']) {
    await page.goto(`${base}#/Form1`);
    await page.goto(`${base}${hash}`);
    await page.waitForSelector('#output .line');
    assert.match(page.url(), /#\/Form6\?Text1=10&press=1$/);
    assert.equal(await page.$eval('h1', (h) => h.textContent), '买股票');
  }
  await page.close();
});

test('search: pinyin, initials or part of a keyword, then Enter or 确定, opens the first match', async () => {
  const page = await open();
  const { keywords } = JSON.parse(native(['describe', '--json']).stdout);
  for (const [query, how] of [['gongzi', 'Enter'], ['mgp', 'button'], ['gz', 'Enter'], ['股票', 'button'], ['gou', 'Enter']]) {
    // An exact keyword is its window; any other query the first match of the search.
    const exact = keywords.find(([k]) => k === query);
    const first = exact ? exact[1] : JSON.parse(native(['find', query, '--json']).stdout).matches[0].window;
    await page.goto(`${base}#/Form1`);
    await page.click('#keyword', { clickCount: 3 });
    await page.type('#keyword', query);
    if (how === 'Enter') await page.keyboard.press('Enter');
    else await page.click('#dispatch');
    await page.waitForFunction((w) => location.hash.startsWith(`#/${w}`), {}, first);
    assert.equal(await page.$eval('#keyword', (k) => k.getAttribute('aria-expanded')), 'false');
  }
  // Nothing matches: said so, and the page stays.
  await page.goto(`${base}#/Form1`);
  await page.click('#keyword', { clickCount: 3 });
  await page.type('#keyword', 'zzzzq');
  await page.keyboard.press('Enter');
  assert.match(await page.$eval('#notice', (n) => n.textContent), /没有与“zzzzq”相符的业务/);
  assert.match(page.url(), /#\/Form1$/);
  await page.close();
});

test('crossing the 760 px width keeps fields, output, 显示算式 and the practice rows', async () => {
  const page = await open('#/Form6?Text1=10&Text2=0.5&Text3=1000&Text4=50&press=1', 1280);
  await page.waitForSelector('#output .line');
  await page.click('#showWorking');
  await page.click('#practiceMode');
  await page.waitForSelector('.practice');
  const exercised = await page.$eval('#Text1', (f) => f.value);
  await page.type('.practice tbody tr:first-child .account', '交易性金融资产');
  await page.click('button[name="Command1"]');
  const before = await printedLines(page);
  for (const width of [700, 1280, 390]) {
    await page.setViewport({ width, height: 800 });
    await page.waitForFunction((narrow) => document.querySelector('.window').classList.contains(narrow ? 'narrow' : 'wide'), {}, width < 760);
    assert.equal(await page.$eval('#Text1', (f) => f.value), exercised);
    assert.equal(await page.$eval('.practice tbody tr:first-child .account', (f) => f.value), '交易性金融资产');
    assert.equal(await page.$eval('#showWorking', (c) => c.checked), true);
    assert.ok((await page.$$('#output .working')).length > 0);
    assert.deepEqual(await printedLines(page), before);
  }
  await page.close();
});

test('printing gives the title, the figures and every output line on A4, none of the page chrome', async () => {
  const fields = { Text6: '1000', Text7: '800', Text8: '1200', Text9: '300', Text1: '500', Text2: '600', Text3: '700', Text4: '4', Text5: '50' };
  const page = await open(`#/Form29?${new URLSearchParams({ ...fields, press: '1' })}`);
  await page.waitForSelector('#output .line');
  const lines = coreLines('Form29', fields);
  assert.ok(lines.length > 20, `${lines.length} lines`);
  await page.emulateMediaType('print');
  const shown = await page.evaluate(() => ({
    header: getComputedStyle(document.querySelector('header')).display,
    buttons: [...document.querySelectorAll('button')].filter((b) => b.offsetParent !== null).length,
    clipped: document.getElementById('output').scrollHeight > document.getElementById('output').clientHeight + 1,
  }));
  assert.deepEqual(shown, { header: 'none', buttons: 0, clipped: false });
  const pdf = path.join(shots, 'form29.pdf');
  await page.pdf({ path: pdf, format: 'A4' });
  const text = spawnSync('pdftotext', ['-layout', pdf, '-']).stdout.toString();
  const squeeze = (t) => t.replace(/\s+/g, '');
  for (const line of lines) assert.ok(squeeze(text).includes(squeeze(line)), `printed: ${line}`);
  assert.ok(squeeze(text).startsWith('包装'), text.slice(0, 80));
  assert.match(text, /押金\s+1200/);
  for (const chrome of ['复制为表格', '本例链接', '显示算式', '关键字', '取消']) assert.ok(!text.includes(chrome), chrome);
  await page.emulateMediaType(null);
  await page.close();
});

test('on a phone: 44 px targets, 16 px text, one list of categories, business name, focus and Enter, notes by keyboard, combobox', async () => {
  const page = await open('', 390);
  // The start page lists the categories once.
  const categories = await page.$$eval('a', (links) => links.filter((a) => a.offsetParent !== null && a.getAttribute('href')?.startsWith('#/Form')).map((a) => a.textContent));
  assert.equal(new Set(categories).size, categories.length, categories.join(','));
  // The keyword field is a combobox over its list of suggestions, without window names.
  await page.type('#keyword', 'gp');
  await page.waitForSelector('#suggestions li');
  assert.equal(await page.$eval('#keyword', (k) => `${k.getAttribute('role')} ${k.getAttribute('aria-expanded')}`), 'combobox true');
  assert.ok(!(await page.$eval('#suggestions', (l) => l.textContent)).match(/Form\d/));
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.$eval('#keyword', (k) => k.getAttribute('aria-activedescendant')), 'suggestion0');
  await page.goto(`${base}#/Form6`);
  await page.waitForSelector('#Text1');
  // The business as heading and tab title; the focus in the first field.
  assert.equal(await page.$eval('h1', (h) => h.textContent), '买股票');
  assert.equal(await page.title(), '买股票 - Varnello');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
  // Every control a finger meets is 44 px high at least, its text 16 px at least.
  await page.click('#practiceMode');
  await page.waitForSelector('.practice');
  const small = await page.$$eval('button:not([hidden]), input, select, #menu a, .tools label, #caseLink', (controls) => controls
    .filter((c) => c.offsetParent !== null && c.type !== 'checkbox')
    .map((c) => ({ what: c.id || c.name || c.className || c.textContent, h: c.getBoundingClientRect().height, f: parseFloat(getComputedStyle(c).fontSize) }))
    .filter((c) => c.h < 44 || c.f < 16));
  assert.deepEqual(small, []);
  // 借 stands whole in the practice table.
  assert.ok(await page.$eval('.practice .side', (s) => s.scrollWidth <= s.clientWidth + 1));
  // Enter moves through the fields; in the last one it presses 确定.
  await page.evaluate(() => {
    for (const f of document.querySelectorAll('.window input')) {
      f.value = '';
      f.dispatchEvent(new Event('input'));
    }
  });
  await page.focus('#Text1');
  for (const value of ['10', '0.5', '1000', '50']) {
    await page.keyboard.type(value);
    await page.keyboard.press('Enter');
  }
  await page.waitForSelector('#output .line');
  // The amount note by keyboard: the amount line takes the focus, Enter opens its note.
  await page.focus('#output .line.amount');
  await page.keyboard.press('Enter');
  assert.match(await noteText(page), /大写金额：/);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), '复制大写金额');
  await page.screenshot({ path: path.join(shots, 'form6-practice-390.png'), fullPage: true });
  await page.close();
});
