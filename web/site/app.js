// The Varnello page. Every figure, text line, working, capital numeral, search match and mark
// comes from the command line compiled to WebAssembly (varnello.mjs), run with the same
// arguments and JSON lines as varnello-cli; this script only lays out and routes.
// ---- The core: one command line run at a time, standard input and output in memory ----

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();
let core = null;
let input = new Uint8Array(0);
let inputAt = 0;
let output = [];
let errors = [];

// The module's code, then its WebAssembly fetched with the progress shown (the bytes against the
// length the server gives); any failure is thrown to start(), which tells it.
async function fetchCore(progress) {
  const { default: createVarnello } = await import('./varnello.mjs');
  const response = await fetch('varnello.wasm');
  if (!response.ok) throw new Error(`varnello.wasm: HTTP ${response.status}`);
  const total = Number(response.headers.get('Content-Length')) || 0;
  const reader = response.body.getReader();
  const parts = [];
  let got = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    parts.push(value);
    got += value.length;
    progress(got, total);
  }
  const wasm = new Uint8Array(got);
  let at = 0;
  for (const part of parts) {
    wasm.set(part, at);
    at += part.length;
  }
  return { createVarnello, wasm };
}

async function loadCore(progress) {
  const { createVarnello, wasm } = await fetchCore(progress);
  core = await createVarnello({
    wasmBinary: wasm,
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
  // The sign's note for a field's text, empty when the text reads whole.
  fieldNote: (text) => core.ccall('varnello_field_note', 'string', ['string'], [text]),
  // [{line, note}]: the entries of a press whose debits and credits differ.
  balanceMarks: (window, fields) =>
    JSON.parse(core.ccall('varnello_balance_marks', 'string', ['string', 'string'], [window, JSON.stringify(fields)])) ?? [],
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
// The window's own arrangement on a wide screen worked by a pointer; a single column on a narrow
// screen and under a finger, where the arrangement's 12 px captions and small fields do not serve.
const wide = window.matchMedia('(min-width: 760px) and (not (pointer: coarse))');
const MARK_REASONS = { correct: '正确', wrong_side: '借贷方向错误', wrong_amount: '金额错误', not_in_key: '答案中没有这一行' };
const FAULT_MESSAGES = { division_by_zero: '除数为零', overflow: '溢出' };

let catalog = null; // describe --json: windows, keywords, menu
const windowsByName = new Map();
// Per window, what was typed and printed, kept while the page lives (as a hidden window keeps
// its fields), with the switch of 显示算式 and the practice under way.
const state = new Map();
function windowState(name) {
  if (!state.has(name)) state.set(name, { fields: {}, answers: [], pressed: false, showWorking: false, tools: null });
  return state.get(name);
}

// The business a window is for (买股票), as its heading, tab title and suggestion; a window
// without a keyword by its name.
const businessName = (info) => info.keywords[0] ?? info.name;

// Copies text to the clipboard: the clipboard API where the page may use it (a secure origin),
// else the selection's copy command; false when neither could.
async function copyText(text) {
  try {
    if (navigator.clipboard && window.isSecureContext) {
      await navigator.clipboard.writeText(text);
      return true;
    }
  } catch {
    // Refused (no permission, no focus): the copy command below may still do.
  }
  // The copy command copies the selection: a hidden text area's, the focus given back after.
  const focused = document.activeElement;
  const area = el('textarea', { readonly: true, style: { position: 'fixed', top: '0', left: '-9999px' } });
  area.value = text;
  document.body.append(area);
  area.select();
  let done = false;
  try {
    done = document.execCommand('copy');
  } catch {
    done = false;
  }
  area.remove();
  focused?.focus?.({ preventScroll: true });
  return done;
}

// ---- Routes: #/ the main window, #/FormN a window, ?TextN=...&press=1 its figures ----

// The window a link names: its name (Form6), the name in any case (form6) or a keyword (买股票).
function resolveWindow(name) {
  if (windowsByName.has(name)) return windowsByName.get(name);
  const m = /^form(\d+)$/i.exec(name);
  if (m && windowsByName.has(`Form${Number(m[1])}`)) return windowsByName.get(`Form${Number(m[1])}`);
  const row = catalog.keywords.find(([keyword]) => keyword === name);
  return row ? windowsByName.get(row[1]) : null;
}

function parseRoute() {
  const hash = location.hash.replace(/^#\/?/, '');
  const at = hash.indexOf('?');
  const rawName = at < 0 ? hash : hash.slice(0, at);
  let name = rawName;
  try {
    name = decodeURIComponent(rawName);
  } catch {
    // A broken escape: the name as written, which names no window.
  }
  return { name, params: new URLSearchParams(at < 0 ? '' : hash.slice(at + 1)) };
}

function linkFor(name, fields, pressed) {
  const params = new URLSearchParams();
  for (const [k, v] of Object.entries(fields)) if (v !== '') params.set(k, v);
  if (pressed) params.set('press', '1');
  const query = params.toString();
  return `#/${name}${query ? `?${query}` : ''}`;
}

// The address and 本例链接 follow the window's fields and whether its output is their press.
function updateLink(name, s) {
  const link = linkFor(name, s.fields, s.pressed);
  history.replaceState(null, '', link);
  const a = document.getElementById('caseLink');
  if (a) a.href = link;
}

function show(name) {
  location.hash = `#/${name}`;
}

// A passing message at the foot of the page.
let sayTimer = 0;
function say(text) {
  const notice = $('#notice');
  notice.textContent = text;
  notice.hidden = text === '';
  clearTimeout(sayTimer);
  if (text) sayTimer = setTimeout(() => { notice.hidden = true; }, 8000);
}

// What a link asks that the page cannot do, in a sentence; empty when nothing.
function linkProblems(info, params) {
  const problems = [];
  const fieldNames = new Set(info.fields.map((f) => f.name));
  for (const [k, v] of params) {
    if (k === 'press') {
      if (v !== '1' && v !== '0') problems.push(`press=${v}（只能是 1）`);
    } else if (!fieldNames.has(k)) {
      problems.push(/^Text\d+$/.test(k) ? `${k}（${info.name} 没有这个字段）` : `${k}（不认识的参数）`);
    }
  }
  return problems;
}

function route() {
  closeNote();
  hideSuggestions();
  say('');
  const { name, params } = parseRoute();
  const info = name === '' ? windowsByName.get('Form1') : resolveWindow(name);
  if (info && info.name !== name && name !== '') {
    // A keyword or lower-case name: the window's own name in the address.
    const query = params.toString();
    history.replaceState(null, '', `#/${info.name}${query ? `?${query}` : ''}`);
  }
  const current = info?.name ?? 'Form1';
  for (const a of document.querySelectorAll('#menu a')) {
    if (a.dataset.opens === current) a.setAttribute('aria-current', 'page');
    else a.removeAttribute('aria-current');
  }
  document.body.classList.toggle('at-home', !info || info.kind === 'main');
  const view = $('#view');
  view.replaceChildren();
  if (!info || info.kind === 'main') {
    document.title = 'Varnello';
    view.append(homeView(info ? null : name));
    return;
  }
  document.title = `${businessName(info)} - Varnello`;
  if (info.kind === 'category') {
    view.append(windowView(info, Core.layout(info.name), null));
    focusFirst(view);
    return;
  }
  const s = windowState(info.name);
  const problems = linkProblems(info, params);
  let linked = false;
  for (const [k, v] of params) {
    if (k === 'press' || !info.fields.some((f) => f.name === k)) continue;
    if (!linked) s.fields = {};
    linked = true;
    s.fields[k] = v;
  }
  // A link that asks for what the window has not is not pressed: its figures would not be the
  // ones meant.
  const pressNow = params.get('press') === '1' && problems.length === 0;
  if (linked || params.has('press')) {
    s.answers = [];
    s.pressed = false;
  }
  s.tools = null;
  view.append(topicView(info, Core.layout(info.name), s));
  if (problems.length) {
    view.prepend(el('p', { class: 'link-problem', role: 'alert' },
      `链接中有本窗口不认识的内容：${problems.join('；')}。${params.get('press') === '1' ? '未按“确定”。' : ''}`));
  }
  if (pressNow) pressWindow(info.name);
  else updateLink(info.name, s);
  focusFirst(view);
}

// Focus to the first field of the window just opened (its first button on a category window).
function focusFirst(view) {
  const box = view.querySelector('.window');
  const first = (box?.dataset.first && document.getElementById(box.dataset.first)) || view.querySelector('.window button');
  first?.focus({ preventScroll: true });
}

// ---- The main window: keyword field with suggestions, categories ----

function homeView(unknown) {
  const tiles = catalog.menu.map((m) => el('a', { href: `#/${m.opens}` }, m.caption));
  // The category windows that no menu entry opens get a tile of their own.
  for (const w of catalog.windows) {
    if (w.kind !== 'category' || catalog.menu.some((m) => m.opens === w.name)) continue;
    tiles.push(el('a', { href: `#/${w.name}` }, w.keywords[0]));
  }
  return el('section', { class: 'home' },
    unknown ? el('p', { class: 'link-problem', role: 'alert' }, `没有名为“${unknown}”的窗口或业务。请输入关键字，或从下面的类别中选择。`) : null,
    el('h1', {}, 'Varnello'),
    el('p', { class: 'subtitle' }, '输入业务关键字（汉字、拼音或拼音首字母），或选择类别。'),
    el('nav', { class: 'tiles', 'aria-label': '类别' }, tiles));
}

let suggestions = [];
let chosen = -1;

function hideSuggestions() {
  $('#suggestions').hidden = true;
  $('#keyword').setAttribute('aria-expanded', 'false');
  $('#keyword').removeAttribute('aria-activedescendant');
}

function showSuggestions() {
  const list = $('#suggestions');
  const query = $('#keyword').value;
  suggestions = Core.find(query).slice(0, 12);
  chosen = -1;
  list.replaceChildren(...suggestions.map((m, i) => el('li', {
    role: 'option', id: `suggestion${i}`, 'data-window': m.window, 'aria-selected': 'false',
    onmousedown: (e) => { e.preventDefault(); choose(i); },
  }, el('span', {}, m.keyword), el('span', { class: 'subject' }, m.subject || ''))));
  list.hidden = suggestions.length === 0;
  $('#keyword').setAttribute('aria-expanded', String(!list.hidden));
  $('#keyword').removeAttribute('aria-activedescendant');
}

function highlight(i) {
  chosen = i;
  for (const [j, li] of [...$('#suggestions').children].entries()) li.setAttribute('aria-selected', String(j === i));
  $('#keyword').setAttribute('aria-activedescendant', `suggestion${i}`);
  $(`#suggestion${i}`)?.scrollIntoView({ block: 'nearest' });
}

function choose(i) {
  const m = suggestions[i];
  $('#keyword').value = m.keyword;
  hideSuggestions();
  if (location.hash === `#/${m.window}`) route();
  else show(m.window);
}

// 确定 or Enter: the highlighted suggestion, else the keyword exactly as typed, else the first
// match of the search (pinyin, initials, part of a keyword), as the program's keyword field does.
function dispatch() {
  const field = $('#keyword');
  if (chosen >= 0 && chosen < suggestions.length) return choose(chosen);
  const query = field.value.trim();
  if (query === '') return;
  const row = catalog.keywords.find(([keyword]) => keyword === query);
  if (row) {
    hideSuggestions();
    return row[1] === parseRoute().name ? route() : show(row[1]);
  }
  suggestions = Core.find(query).slice(0, 12);
  if (suggestions.length) return choose(0);
  say(`没有与“${query}”相符的业务。`);
}

function setUpSearch() {
  const field = $('#keyword');
  field.addEventListener('input', showSuggestions);
  field.addEventListener('blur', hideSuggestions);
  field.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowDown' && suggestions.length) {
      e.preventDefault();
      if ($('#suggestions').hidden) showSuggestions();
      highlight((chosen + 1) % suggestions.length);
    } else if (e.key === 'ArrowUp' && suggestions.length) {
      e.preventDefault();
      highlight((chosen + suggestions.length - 1) % suggestions.length);
    } else if (e.key === 'Escape') {
      hideSuggestions();
    }
  });
  $('#search').addEventListener('submit', (e) => {
    e.preventDefault();
    dispatch();
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

// The sign beside a field whose text is not read whole (读作 5：“万元”未读入): a button that
// shows its note, named by it for a screen reader, which also reads it as the field's
// description.
function showFieldNote(field, sign, description) {
  const note = Core.fieldNote(field.value);
  sign.hidden = note === '';
  sign.setAttribute('aria-label', `提示：${note}`);
  sign.title = note;
  description.textContent = note;
  if (note) field.setAttribute('aria-describedby', description.id);
  else field.removeAttribute('aria-describedby');
  field.classList.toggle('not-whole', note !== '');
}

function windowView(info, layout, s) {
  const title = el('div', { class: 'title' },
    el('h1', {}, businessName(info)),
    el('p', { class: 'subtitle' }, [...info.keywords.slice(1), info.name].join('，')));
  const box = el('div', { class: `window ${wide.matches ? 'wide' : 'narrow'}` });
  const outputPane = s ? el('div', { class: 'output', id: 'output', role: 'log', 'aria-label': '输出' }) : null;
  // The figures typed, for print: the window's fields themselves are not printed.
  const figures = s ? el('dl', { class: 'print-figures' }) : null;
  const fieldOrder = layout.tab.map((i) => layout.controls[i]).filter((c) => c.kind === 'field').map((c) => `Text${c.field}`);
  const captions = new Map(info.fields.map((f) => [f.name, f.caption]));
  const refreshFigures = () => {
    if (!figures) return;
    figures.replaceChildren(...fieldOrder.filter((n) => (s.fields[n] ?? '') !== '').flatMap((n) =>
      [el('dt', {}, captions.get(n) ?? n), el('dd', {}, s.fields[n])]));
  };
  const controlFor = (c) => {
    if (c.kind === 'field') {
      const name = `Text${c.field}`;
      const field = el('input', {
        id: name, name, type: 'text', inputmode: 'decimal', autocomplete: 'off', enterkeyhint: 'next',
        value: s.fields[name] ?? '',
      });
      const sign = el('button', { type: 'button', class: 'field-sign', hidden: true }, '⚠');
      const description = el('span', { id: `${name}-note`, class: 'visually-hidden' });
      showFieldNote(field, sign, description);
      field.addEventListener('input', () => {
        s.fields[name] = field.value;
        // The output on the screen is the press of other figures now: the link no longer presses.
        s.pressed = false;
        updateLink(info.name, s);
        showFieldNote(field, sign, description);
        refreshFigures();
      });
      // Enter moves to the next field; in the last one it presses 确定.
      field.addEventListener('keydown', (e) => {
        if (e.key !== 'Enter' || e.isComposing) return;
        e.preventDefault();
        const at = fieldOrder.indexOf(name);
        if (at === fieldOrder.length - 1) pressWindow(info.name);
        else document.getElementById(fieldOrder[at + 1])?.focus();
      });
      sign.addEventListener('click', (e) => {
        e.stopPropagation();
        openNote(sign, [el('div', {}, description.textContent)]);
      });
      return el('span', { class: 'field' }, field, sign, description);
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
  refreshFigures();
  if (fieldOrder.length) box.dataset.first = fieldOrder[0];
  const parts = [title, figures, box];
  if (s) {
    if (!wide.matches) parts.push(outputPane);
    // The tools and the practice under way are kept as they are when the window is drawn again
    // for another width.
    s.tools ??= toolsView(info, s);
    parts.push(s.tools);
  }
  return el('section', { class: `topic ${info.kind}` }, parts);
}

function buttonPressed(info, c, s) {
  if (c.role === 'compute') return pressWindow(info.name);
  if (c.role === 'clear') {
    s.answers = [];
    s.pressed = false;
    updateLink(info.name, s);
    return renderOutput(info.name);
  }
  if (c.opens) return show(c.opens === 'Form1' ? '' : c.opens);
}

function topicView(info, layout, s) {
  const view = windowView(info, layout, s);
  queueMicrotask(() => renderOutput(info.name));
  return view;
}

// The window drawn again for the other width, its fields, output, tools and practice as they
// were; the field that had the focus keeps it.
function relayout() {
  const { name } = parseRoute();
  const info = resolveWindow(name);
  const old = $('#view > section.topic');
  if (!info || info.kind !== 'topic' || !old) return route();
  closeNote();
  const focused = document.activeElement?.id;
  const s = windowState(info.name);
  old.replaceWith(windowView(info, Core.layout(info.name), s));
  renderOutput(info.name);
  if (focused) document.getElementById(focused)?.focus({ preventScroll: true });
}

// ---- Pressing 确定 and showing the lines ----

function pressWindow(name) {
  const s = windowState(name);
  const answer = Core.press(name, s.fields);
  const marks = answer.error ? [] : Core.balanceMarks(name, s.fields);
  s.answers.push({ answer, marks, fields: { ...s.fields } });
  s.pressed = true;
  updateLink(name, s);
  renderOutput(name);
  return answer;
}

let note = null;
let noteOwner = null;
function closeNote() {
  note?.remove();
  note = null;
  noteOwner = null;
  for (const e of document.querySelectorAll('.line.selected')) e.classList.remove('selected');
}

// A note under `owner` (a line, a sign): Escape closes it and gives the focus back.
function openNote(owner, parts) {
  closeNote();
  if (parts.length === 0) return;
  noteOwner = owner;
  note = el('div', { class: 'note', role: 'tooltip', id: 'note' }, parts);
  note.addEventListener('click', (e) => e.stopPropagation());
  document.body.append(note);
  const r = owner.getBoundingClientRect();
  note.style.left = `${Math.max(4, Math.min(r.left + window.scrollX + 24, window.scrollX + document.documentElement.clientWidth - note.offsetWidth - 4))}px`;
  note.style.top = `${r.bottom + window.scrollY + 2}px`;
}

document.addEventListener('keydown', (e) => {
  if (e.key !== 'Escape' || !note) return;
  const owner = noteOwner;
  closeNote();
  owner?.focus();
});

function lineNote(lineEl, working, amount) {
  const capital = amount === null ? null : Core.capital(amount);
  const parts = [];
  if (working) parts.push(el('div', { class: 'note-working' }, working.text));
  if (capital) {
    parts.push(el('div', { class: 'note-capital' }, `大写金额：${capital}`));
    const status = el('span', { class: 'status', role: 'status' });
    parts.push(el('div', {}, el('button', {
      type: 'button', onclick: async () => {
        status.textContent = (await copyText(capital)) ? ' 已复制' : ' 无法写入剪贴板，请选中后复制';
      },
    }, '复制大写金额'), status));
  }
  openNote(lineEl, parts);
  if (note) lineEl.classList.add('selected');
}

function renderOutput(name) {
  const pane = $('#output');
  if (!pane) return;
  const s = windowState(name);
  const showWorking = s.showWorking;
  pane.replaceChildren();
  for (const { answer, marks } of s.answers) {
    if (answer.error) {
      pane.append(el('div', { class: 'line fault' }, answer.error));
      continue;
    }
    // The amount of each line that has one.
    const amounts = new Map();
    for (const entry of answer.entries) {
      for (const row of entry.rows) if (row.amount !== null) amounts.set(row.line, row.amount);
    }
    const markOf = new Map(marks.map((m) => [m.line, m.note]));
    answer.lines.forEach((text, i) => {
      const working = answer.working?.[i] ?? null;
      const amount = amounts.has(i) ? amounts.get(i) : null;
      const hasNote = working || amount !== null;
      // A line with a note is reached by Tab as well as by pointer; Enter or Space opens it.
      const line = el('div', { class: `line${hasNote ? ' amount' : ''}`, tabindex: hasNote ? '0' : null }, text);
      if (markOf.has(i)) {
        const mark = markOf.get(i);
        const sign = el('button', { type: 'button', class: 'unbalanced', 'aria-label': mark.replaceAll('\n', '，') }, '借贷不平');
        sign.addEventListener('click', (e) => {
          e.stopPropagation();
          openNote(sign, [el('div', { class: 'note-balance' }, mark)]);
        });
        line.append(sign);
      }
      if (hasNote) {
        // The pointer passing over a line does not take away a note the keyboard is in.
        line.addEventListener('mouseenter', () => {
          if (!note?.contains(document.activeElement)) lineNote(line, working, amount);
        });
        line.addEventListener('click', (e) => { e.stopPropagation(); lineNote(line, working, amount); });
        line.addEventListener('keydown', (e) => {
          if (e.target !== line || (e.key !== 'Enter' && e.key !== ' ')) return;
          e.preventDefault();
          lineNote(line, working, amount);
          note?.querySelector('button')?.focus();
        });
      }
      pane.append(line);
      if (showWorking && working) pane.append(el('div', { class: 'working' }, working.text));
    });
    if (answer.fault) pane.append(el('div', { class: 'line fault', role: 'alert' }, FAULT_MESSAGES[answer.fault] ?? answer.fault));
  }
  // The pointer leaving closes a note it opened, not one the keyboard is in.
  pane.onmouseleave = () => {
    if (!pane.contains(document.activeElement) && !note?.contains(document.activeElement)) closeNote();
  };
}

// ---- Tools: working switch, table, CSV, practice ----

function lastFields(s) {
  return s.answers.length ? s.answers[s.answers.length - 1].fields : s.fields;
}

function toolsView(info, s) {
  const status = el('span', { class: 'status', id: 'toolStatus', role: 'status' });
  const tell = (text) => { status.textContent = text; };
  const practice = el('div', { id: 'practice' });
  return el('div', { class: 'tools-and-practice' },
    el('div', { class: 'tools' },
      el('label', { class: 'switch' }, el('input', {
        type: 'checkbox', id: 'showWorking', checked: s.showWorking,
        onchange: (e) => { s.showWorking = e.target.checked; renderOutput(info.name); },
      }), ' 显示算式'),
      el('button', {
        type: 'button', id: 'copyTable', onclick: async () => {
          const tsv = Core.table(info.name, lastFields(s), 'tsv');
          tell((await copyText(tsv)) ? '已复制为表格' : '无法写入剪贴板（此页不是安全来源）：请用 另存为 CSV');
        },
      }, '复制为表格'),
      el('button', {
        type: 'button', id: 'downloadCsv', onclick: () => {
          const csv = Core.table(info.name, lastFields(s), 'csv');
          const a = el('a', { href: URL.createObjectURL(new Blob([csv], { type: 'text/csv' })), download: `${businessName(info)}.csv` });
          document.body.append(a);
          a.click();
          a.remove();
          setTimeout(() => URL.revokeObjectURL(a.href), 1000);
        },
      }, '另存为 CSV'),
      el('button', { type: 'button', id: 'practiceMode', onclick: () => startPractice(info, s, practice) }, '练习'),
      el('a', { href: linkFor(info.name, s.fields, s.pressed), id: 'caseLink', class: 'button-like', onclick: async (e) => {
        e.preventDefault();
        const link = new URL(e.currentTarget.getAttribute('href'), location.href).href;
        tell((await copyText(link)) ? '已复制本例链接' : `无法写入剪贴板，请手动复制：${link}`);
      } }, '本例链接'),
      status),
    practice);
}

function startPractice(info, s, box) {
  const seed = crypto.getRandomValues(new Uint32Array(1))[0];
  const exercise = Core.exercise(info.name, seed);
  s.fields = { ...exercise.fields };
  for (const f of info.fields) {
    const field = document.getElementById(f.name);
    if (field) {
      field.value = s.fields[f.name] ?? '';
      field.dispatchEvent(new Event('input'));
    }
  }
  s.answers = [];
  s.pressed = false;
  updateLink(info.name, s);
  renderOutput(info.name);
  const body = el('tbody');
  const addRow = () => body.append(el('tr', {},
    el('td', {}, el('input', { 'aria-label': '会计科目', class: 'account' })),
    el('td', { class: 'side-cell' }, el('select', { 'aria-label': '借/贷', class: 'side' }, el('option', {}, '借'), el('option', {}, '贷'))),
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

function showProgress(got, total) {
  const bar = $('#loadProgress');
  const percent = $('#loadPercent');
  if (!bar) return;
  if (total > 0) {
    bar.max = total;
    bar.value = Math.min(got, total);
    percent.textContent = `${Math.floor((100 * Math.min(got, total)) / total)}%`;
  } else {
    percent.textContent = `${(got / 1048576).toFixed(1)} MB`;
  }
}

function showLoadFailure(error) {
  document.body.dataset.ready = 'failed';
  $('#view').replaceChildren(el('div', { class: 'load-failed', role: 'alert' },
    el('p', {}, '无法载入计算核心，页面不能计算。'),
    el('p', { class: 'subtitle' }, `原因：${error?.message ?? error}。请检查网络连接后重试；装到主屏幕并打开过一次的页面离线也能使用。`),
    el('button', { type: 'button', onclick: () => location.reload() }, '重试')));
}

// The service worker that keeps the page for offline use; a new build it brings is told.
function registerWorker() {
  if (!('serviceWorker' in navigator)) return;
  const hadController = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (hadController) say('已下载新版本，重新载入页面后使用。');
  });
  navigator.serviceWorker.register('sw.js').catch(() => {
    // Without a worker (a private window, file://) the page still works online.
  });
}

async function start() {
  try {
    await loadCore(showProgress);
    catalog = Core.describe();
  } catch (error) {
    showLoadFailure(error);
    return;
  }
  for (const w of catalog.windows) windowsByName.set(w.name, w);
  setUpSearch();
  window.addEventListener('hashchange', route);
  wide.addEventListener('change', relayout);
  document.addEventListener('click', closeNote);
  route();
  // A keyword typed while the core loaded is searched now.
  if ($('#keyword').value !== '' && document.activeElement === $('#keyword')) showSuggestions();
  document.body.dataset.ready = '1';
  // Registered once the core is in, so that its caching does not compete with the first load.
  registerWorker();
}

// For tests and the curious: the same calls the page makes.
window.varnello = { run: (...a) => run(...a), Core, pressWindow };
start();
