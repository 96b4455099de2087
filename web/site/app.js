// The Varnello page. Every figure, text line, working, capital numeral, search match and mark
// comes from the command line compiled to WebAssembly (varnello.mjs), run with the same
// arguments and JSON lines as varnello-cli; this script only lays out and routes.
import createVarnello from './varnello.mjs';

// ---- The core: one command line run at a time, standard input and output in memory ----

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();
let core = null;
let input = new Uint8Array(0);
let inputAt = 0;
let output = [];
let errors = [];

async function loadCore() {
  core = await createVarnello({
    preRun: [(m) => m.FS.init(
      () => (inputAt < input.length ? input[inputAt++] : null),
      (b) => { if (b !== null) output.push(b); },
      (b) => { if (b !== null) errors.push(b); })],
  });
}

function run(args, stdin = '') {
  input = utf8.encode(stdin);
  inputAt = 0;
  output = [];
  errors = [];
  core._varnello_reset_input();
  const status = core.callMain(args);
  return { status, out: fromUtf8.decode(new Uint8Array(output)), err: fromUtf8.decode(new Uint8Array(errors)) };
}

const Core = {
  describe: () => JSON.parse(run(['describe', '--json']).out),
  layout: (name) => JSON.parse(core.ccall('varnello_layout', 'string', ['string'], [name])),
  find: (query) => (query.trim() === '' ? [] : JSON.parse(run(['find', query, '--json']).out || '{"matches":[]}').matches),
  press: (window, fields) =>
    JSON.parse(run(['batch'], JSON.stringify({ window, fields, explain: true }) + '\n').out),
  table: (window, fields, format) =>
    run(['press', window, ...Object.entries(fields).map(([k, v]) => `${k}=${v}`), '--format', format]).out,
  capital: (amount) => {
    const r = run(['capital', String(amount)]);
    return r.status === 0 ? r.out.trim() : null;
  },
  exercise: (window, seed) => JSON.parse(run(['exercise', window, '--seed', String(seed)]).out),
  mark: (request) => JSON.parse(run(['mark'], JSON.stringify(request) + '\n').out),
};

// ---- Small helpers ----

const $ = (selector, root = document) => root.querySelector(selector);
function el(tag, props = {}, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(props)) {
    if (k === 'class') e.className = v;
    else if (k === 'style') Object.assign(e.style, v);
    else if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
    else if (v !== undefined && v !== null && v !== false) e.setAttribute(k, v === true ? '' : v);
  }
  for (const c of children.flat()) if (c !== null && c !== undefined) e.append(c);
  return e;
}
const TWIPS_PER_PIXEL = 15;
const px = (twips) => `${twips / TWIPS_PER_PIXEL}px`;
const wide = window.matchMedia('(min-width: 760px)');
const MARK_REASONS = { correct: '正确', wrong_side: '借贷方向错误', wrong_amount: '金额错误', not_in_key: '答案中没有这一行' };
const FAULT_MESSAGES = { division_by_zero: '除数为零', overflow: '溢出' };

let catalog = null; // describe --json: windows, keywords, menu
const windowsByName = new Map();
// Per window, what was typed and printed, kept while the page lives (as a hidden window keeps
// its fields).
const state = new Map();
function windowState(name) {
  if (!state.has(name)) state.set(name, { fields: {}, answers: [], pressed: false });
  return state.get(name);
}

// ---- Routes: #/ the main window, #/FormN a window, ?TextN=...&press=1 its figures ----

function parseRoute() {
  const hash = location.hash.replace(/^#\/?/, '');
  const [name, query = ''] = hash.split('?');
  return { name: name || 'Form1', params: new URLSearchParams(query) };
}

function linkFor(name, fields, pressed) {
  const params = new URLSearchParams();
  for (const [k, v] of Object.entries(fields)) if (v !== '') params.set(k, v);
  if (pressed) params.set('press', '1');
  const query = params.toString();
  return `#/${name}${query ? `?${query}` : ''}`;
}

function show(name) {
  location.hash = `#/${name}`;
}

function route() {
  closeNote();
  $('#suggestions').hidden = true;
  const { name, params } = parseRoute();
  const info = windowsByName.get(name);
  for (const a of document.querySelectorAll('#menu a')) {
    a.toggleAttribute('aria-current', a.dataset.opens === name);
    if (a.dataset.opens === name) a.setAttribute('aria-current', 'page');
  }
  const view = $('#view');
  view.replaceChildren();
  if (!info || info.kind === 'main') {
    view.append(homeView());
    return;
  }
  if (info.kind === 'category') {
    view.append(windowView(info, Core.layout(name), null));
    return;
  }
  const s = windowState(name);
  let linked = false;
  for (const [k, v] of params) {
    if (/^Text\d+$/.test(k)) {
      if (!linked) s.fields = {};
      linked = true;
      s.fields[k] = v;
    }
  }
  const pressNow = params.get('press') === '1';
  if (linked || pressNow) s.answers = [];
  view.append(topicView(info, Core.layout(name), s));
  if (pressNow) pressWindow(name);
}

// ---- The main window: keyword field with suggestions, menu ----

function homeView() {
  const tiles = catalog.menu.map((m) => el('a', { href: `#/${m.opens}` }, m.caption));
  // The category windows that no menu entry opens get a tile of their own.
  for (const w of catalog.windows) {
    if (w.kind !== 'category' || catalog.menu.some((m) => m.opens === w.name)) continue;
    tiles.push(el('a', { href: `#/${w.name}` }, w.keywords[0]));
  }
  return el('section', { class: 'home' },
    el('h1', {}, 'Varnello'),
    el('p', { class: 'subtitle' }, '输入业务关键字（汉字或拼音），或从菜单选择类别。'),
    el('div', { class: 'tiles' }, tiles));
}

let suggestions = [];
let chosen = -1;

function showSuggestions() {
  const list = $('#suggestions');
  const query = $('#keyword').value;
  suggestions = Core.find(query).slice(0, 12);
  chosen = -1;
  list.replaceChildren(...suggestions.map((m, i) => el('li', {
    role: 'option', id: `suggestion${i}`, 'data-window': m.window,
    onmousedown: (e) => { e.preventDefault(); choose(i); },
  }, el('span', {}, m.keyword), el('span', { class: 'window' }, m.window),
  el('span', { class: 'subject' }, m.subject || ''))));
  list.hidden = suggestions.length === 0;
}

function highlight(i) {
  chosen = i;
  for (const [j, li] of [...$('#suggestions').children].entries()) li.setAttribute('aria-selected', j === i);
}

function choose(i) {
  const m = suggestions[i];
  $('#keyword').value = m.keyword;
  $('#suggestions').hidden = true;
  show(m.window);
}

function setUpSearch() {
  const field = $('#keyword');
  field.addEventListener('input', showSuggestions);
  field.addEventListener('blur', () => { $('#suggestions').hidden = true; });
  field.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowDown' && suggestions.length) {
      e.preventDefault();
      highlight((chosen + 1) % suggestions.length);
    } else if (e.key === 'ArrowUp' && suggestions.length) {
      e.preventDefault();
      highlight((chosen + suggestions.length - 1) % suggestions.length);
    } else if (e.key === 'Escape') {
      $('#suggestions').hidden = true;
    }
  });
  // 确定: a highlighted suggestion, else the keyword exactly as typed; nothing when none matches.
  $('#search').addEventListener('submit', (e) => {
    e.preventDefault();
    if (chosen >= 0) return choose(chosen);
    const row = catalog.keywords.find(([keyword]) => keyword === field.value);
    if (row) {
      $('#suggestions').hidden = true;
      show(row[1]);
    }
  });
  $('#menu').replaceChildren(...catalog.menu.map((m) =>
    el('a', { href: `#/${m.opens}`, 'data-opens': m.opens, title: m.name }, m.caption)));
}

// ---- A window from its layout ----

// Controls in reading order for the narrow column: fields and buttons in Tab order, each caption
// just before its field, a section caption before the first field below it in its column.
function readingOrder(layout) {
  const order = new Map();
  layout.tab.forEach((index, rank) => order.set(index, rank));
  const fieldRank = new Map();
  layout.controls.forEach((c, i) => { if (c.kind === 'field' && order.has(i)) fieldRank.set(c.field, order.get(i)); });
  layout.controls.forEach((c, i) => {
    if (order.has(i)) return;
    if (c.kind === 'caption' && c.field && fieldRank.has(c.field)) {
      order.set(i, fieldRank.get(c.field) - 0.5);
      return;
    }
    // Sections and other captions: before the nearest control below them that overlaps them
    // horizontally; at the end when there is none.
    let best = null;
    layout.controls.forEach((o, j) => {
      if (!order.has(j) || o.kind === 'caption') return;
      const [x, y, w] = c.rect;
      const [ox, oy, ow] = o.rect;
      if (oy >= y && ox < x + w && x < ox + ow && (best === null || oy < layout.controls[best].rect[1])) best = j;
    });
    order.set(i, best === null ? 1e6 + i : order.get(best) - 0.75);
  });
  return layout.controls.map((c, i) => ({ c, rank: order.get(i) })).sort((a, b) => a.rank - b.rank).map((x) => x.c);
}

function windowView(info, layout, s) {
  const title = el('div', {},
    el('h1', {}, info.name),
    el('p', { class: 'subtitle' }, info.keywords.join('，')));
  const box = el('div', { class: `window ${wide.matches ? 'wide' : 'narrow'}` });
  const outputPane = s ? el('div', { class: 'output', id: 'output', role: 'log', 'aria-label': '输出' }) : null;
  const fields = new Map();
  const controlFor = (c) => {
    if (c.kind === 'field') {
      const field = el('input', {
        id: `Text${c.field}`, name: `Text${c.field}`, type: 'text', inputmode: 'decimal', autocomplete: 'off',
        value: s.fields[`Text${c.field}`] ?? '',
        oninput: (e) => {
          s.fields[`Text${c.field}`] = e.target.value;
          history.replaceState(null, '', linkFor(info.name, s.fields, s.pressed));
        },
      });
      fields.set(c.field, field);
      return field;
    }
    if (c.kind === 'button') {
      return el('button', { type: 'button', name: c.name, onclick: () => buttonPressed(info, c, s) }, c.caption);
    }
    const caption = c.opens ? el('a', { href: `#/${c.opens}` }, c.caption) : c.caption;
    return el('label', { class: `caption${c.kind === 'section' ? ' section' : ''}${c.wrap ? ' wrap' : ''}`,
      for: c.field ? `Text${c.field}` : null }, caption);
  };
  if (wide.matches) {
    box.style.width = px(layout.width);
    box.style.height = px(layout.height);
    for (const c of layout.controls) {
      const e = controlFor(c);
      const wrapper = c.kind === 'caption' || c.kind === 'section' ? e : el('div', {}, e);
      wrapper.classList.add('ctl');
      Object.assign(wrapper.style, { left: px(c.rect[0]), top: px(c.rect[1]), width: px(c.rect[2]), height: px(c.rect[3]) });
      box.append(wrapper);
    }
    if (outputPane) {
      const [x, y, w, h] = layout.output;
      Object.assign(outputPane.style, { position: 'absolute', left: px(x), top: px(y), width: px(w), height: px(h) });
      box.append(outputPane);
    }
  } else {
    let buttons = null;
    let row = null;
    for (const c of readingOrder(layout)) {
      if (c.kind === 'button') {
        if (!buttons) box.append(buttons = el('div', { class: 'buttons' }));
        buttons.append(controlFor(c));
        continue;
      }
      buttons = null;
      if (c.kind === 'field') {
        (row ?? box).append(controlFor(c));
        row = null;
        continue;
      }
      if (c.kind === 'caption' && c.field) {
        box.append(row = el('div', { class: 'row' }, controlFor(c)));
        continue;
      }
      box.append(controlFor(c));
    }
  }
  const parts = [title, box];
  if (s) {
    if (!wide.matches) parts.push(outputPane);
    parts.push(toolsView(info, s));
  }
  return el('section', { class: `topic ${info.kind}` }, parts);
}

function buttonPressed(info, c, s) {
  if (c.role === 'compute') return pressWindow(info.name);
  if (c.role === 'clear') {
    s.answers = [];
    s.pressed = false;
    history.replaceState(null, '', linkFor(info.name, s.fields, false));
    return renderOutput(info.name);
  }
  if (c.opens) return show(c.opens === 'Form1' ? '' : c.opens);
}

function topicView(info, layout, s) {
  const view = windowView(info, layout, s);
  queueMicrotask(() => renderOutput(info.name));
  return view;
}

// ---- Pressing 确定 and showing the lines ----

function pressWindow(name) {
  const s = windowState(name);
  const answer = Core.press(name, s.fields);
  s.answers.push({ answer, fields: { ...s.fields } });
  s.pressed = true;
  history.replaceState(null, '', linkFor(name, s.fields, true));
  renderOutput(name);
  return answer;
}

let note = null;
function closeNote() {
  note?.remove();
  note = null;
  for (const e of document.querySelectorAll('.line.selected')) e.classList.remove('selected');
}

function lineNote(lineEl, working, amount) {
  closeNote();
  lineEl.classList.add('selected');
  const capital = amount === null ? null : Core.capital(amount);
  const parts = [];
  if (working) parts.push(el('div', { class: 'note-working' }, working.text));
  if (capital) {
    parts.push(el('div', { class: 'note-capital' }, `大写金额：${capital}`));
    parts.push(el('button', { type: 'button', onclick: () => navigator.clipboard?.writeText(capital) }, '复制大写金额'));
  }
  if (parts.length === 0) return;
  note = el('div', { class: 'note', role: 'tooltip' }, parts);
  document.body.append(note);
  const r = lineEl.getBoundingClientRect();
  note.style.left = `${Math.max(4, Math.min(r.left + window.scrollX + 24, window.scrollX + document.documentElement.clientWidth - note.offsetWidth - 4))}px`;
  note.style.top = `${r.bottom + window.scrollY + 2}px`;
}

function renderOutput(name) {
  const pane = $('#output');
  if (!pane) return;
  const s = windowState(name);
  const showWorking = $('#showWorking')?.checked;
  pane.replaceChildren();
  for (const { answer } of s.answers) {
    if (answer.error) {
      pane.append(el('div', { class: 'line fault' }, answer.error));
      continue;
    }
    // The amount of each line that has one, and the entries that do not balance.
    const amounts = new Map();
    const unbalanced = new Set();
    for (const entry of answer.entries) {
      for (const row of entry.rows) if (row.amount !== null) amounts.set(row.line, row.amount);
      if (entry.balanced === false) {
        const first = entry.rows.length ? entry.rows[0].line - (entry.heading === null ? 0 : 1) : null;
        if (first !== null) unbalanced.add(first);
      }
    }
    answer.lines.forEach((text, i) => {
      const working = answer.working?.[i] ?? null;
      const amount = amounts.has(i) ? amounts.get(i) : null;
      const line = el('div', { class: `line${working || amount !== null ? ' amount' : ''}` }, text);
      if (unbalanced.has(i)) line.append(el('span', { class: 'unbalanced', title: '借方合计不等于贷方合计' }, '借贷不平'));
      if (working || amount !== null) {
        line.addEventListener('mouseenter', () => lineNote(line, working, amount));
        line.addEventListener('click', (e) => { e.stopPropagation(); lineNote(line, working, amount); });
      }
      pane.append(line);
      if (showWorking && working) pane.append(el('div', { class: 'working' }, working.text));
    });
    if (answer.fault) pane.append(el('div', { class: 'line fault', role: 'alert' }, FAULT_MESSAGES[answer.fault] ?? answer.fault));
  }
  pane.addEventListener('mouseleave', closeNote);
}

// ---- Tools: working switch, table, CSV, practice ----

function lastFields(s) {
  return s.answers.length ? s.answers[s.answers.length - 1].fields : s.fields;
}

function toolsView(info, s) {
  const status = el('span', { class: 'status', id: 'toolStatus', role: 'status' });
  const say = (text) => { status.textContent = text; };
  const practice = el('div', { id: 'practice' });
  return el('div', {},
    el('div', { class: 'tools' },
      el('label', {}, el('input', { type: 'checkbox', id: 'showWorking', onchange: () => renderOutput(info.name) }), ' 显示算式'),
      el('button', {
        type: 'button', id: 'copyTable', onclick: async () => {
          const tsv = Core.table(info.name, lastFields(s), 'tsv');
          try {
            await navigator.clipboard.writeText(tsv);
            say('已复制为表格');
          } catch {
            say('无法写入剪贴板');
          }
        },
      }, '复制为表格'),
      el('button', {
        type: 'button', id: 'downloadCsv', onclick: () => {
          const csv = Core.table(info.name, lastFields(s), 'csv');
          const a = el('a', { href: URL.createObjectURL(new Blob([csv], { type: 'text/csv' })), download: `${info.name}.csv` });
          document.body.append(a);
          a.click();
          a.remove();
          setTimeout(() => URL.revokeObjectURL(a.href), 1000);
        },
      }, '另存为 CSV'),
      el('button', { type: 'button', id: 'practiceMode', onclick: () => startPractice(info, s, practice) }, '练习'),
      el('a', { href: linkFor(info.name, s.fields, s.pressed), id: 'caseLink', onclick: (e) => {
        e.preventDefault();
        navigator.clipboard?.writeText(location.href).then(() => say('已复制本例链接'), () => say(location.href));
      } }, '本例链接'),
      status),
    practice);
}

function startPractice(info, s, box) {
  const seed = crypto.getRandomValues(new Uint32Array(1))[0];
  const exercise = Core.exercise(info.name, seed);
  s.fields = { ...exercise.fields };
  for (const [k, v] of Object.entries(s.fields)) {
    const field = document.getElementById(k);
    if (field) field.value = v;
  }
  s.answers = [];
  s.pressed = false;
  history.replaceState(null, '', linkFor(info.name, s.fields, false));
  renderOutput(info.name);
  const body = el('tbody');
  const addRow = () => body.append(el('tr', {},
    el('td', {}, el('input', { 'aria-label': '会计科目', class: 'account' })),
    el('td', {}, el('select', { 'aria-label': '借/贷', class: 'side' }, el('option', {}, '借'), el('option', {}, '贷'))),
    el('td', {}, el('input', { 'aria-label': '金额', class: 'amount', inputmode: 'decimal' })),
    el('td', { class: 'mark' })));
  for (let i = 0; i < 3; ++i) addRow();
  const result = el('div', { class: 'result', role: 'status' });
  const mark = (withKey) => {
    const rows = [...body.rows].filter((r) => $('.account', r).value.trim() || $('.amount', r).value.trim());
    const answer = rows.map((r) => ({ account: $('.account', r).value, side: $('.side', r).value, amount: $('.amount', r).value }));
    const m = Core.mark({ window: info.name, fields: s.fields, answer });
    for (const r of body.rows) {
      r.className = '';
      $('.mark', r).textContent = '';
    }
    if (m.error) {
      result.textContent = m.error;
      return;
    }
    rows.forEach((r, i) => {
      const name = m.rows[i]?.mark;
      r.className = name === 'correct' ? 'correct' : 'wrong';
      $('.mark', r).textContent = MARK_REASONS[name] ?? '';
    });
    const keyText = (line, withAmount) => `${line.account} ${line.side}${withAmount ? ` ${line.amount}` : ''}`;
    let text;
    if (m.fault) text = `这组数字算不出分录：${FAULT_MESSAGES[m.fault]}。请按 出题 换一组数字。`;
    else if (m.key.length === 0) text = '本题没有借贷分录可批改，按 看答案 查看计算结果。';
    else {
      text = `得分 ${Math.round(m.score * 100)}%`;
      if (m.missing.length) text += `　还缺 ${m.missing.length} 行：${m.missing.map((l) => keyText(l, false)).join('；')}`;
      else if (m.score === 1) text += '　全部正确！';
    }
    result.replaceChildren(text);
    if (withKey) {
      result.append(el('div', {}, `答案：${m.key.map((l) => keyText(l, true)).join('；')}`));
      pressWindow(info.name);
    }
  };
  box.replaceChildren(el('section', { class: 'practice', 'aria-label': '练习' },
    el('p', {}, `按窗口中的数字写出会计分录，然后批改。　题号 ${exercise.seed}`),
    el('table', {}, el('thead', {}, el('tr', {}, ['会计科目', '借/贷', '金额', '批改'].map((h) => el('th', {}, h)))), body),
    el('div', { class: 'tools' },
      el('button', { type: 'button', onclick: addRow }, '添加行'),
      el('button', { type: 'button', onclick: () => body.lastElementChild?.remove() }, '删除行'),
      el('button', { type: 'button', id: 'markAnswer', onclick: () => mark(false) }, '批改'),
      el('button', { type: 'button', onclick: () => mark(true) }, '看答案'),
      el('button', { type: 'button', onclick: () => startPractice(info, s, box) }, '出题')),
    result));
}

// ---- Start ----

async function start() {
  await loadCore();
  catalog = Core.describe();
  for (const w of catalog.windows) windowsByName.set(w.name, w);
  setUpSearch();
  window.addEventListener('hashchange', route);
  wide.addEventListener('change', route);
  document.addEventListener('click', closeNote);
  route();
  document.body.dataset.ready = '1';
}

// For tests and the curious: the same calls the page makes.
window.varnello = { run: (...a) => run(...a), Core, pressWindow };
start();
