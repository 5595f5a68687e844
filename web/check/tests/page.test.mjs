// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Chromium, as a user works with it: a project typed into the form and calculated,
// saving and opening, the red lines and the out-of-date mark, the note and the DXF, the settlement
// window, printing, files that cannot be read, a reload, a visit without a network. No request may
// leave the page's own origin in any of them.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { menuCommand, openBrowser, openFile, openPage, paneLines, savedFile } from '../browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const repository = path.resolve(here, '../../..');
const data = path.join(repository, 'tests/data');
const samples = path.join(repository, 'tests/samples');
const scratch = mkdtempSync(path.join(tmpdir(), 'fundis-page-'));

let session;
before(async () => {
  session = await openBrowser();
});
after(async () => {
  await session?.close();
});

// A fresh page that notes every request and fails the test on any outside the page's origin.
async function freshPage(options) {
  const page = await session.newPage(options);
  const origin = new URL(session.url).origin;
  page.outside = [];
  page.context().on('request', (request) => {
    const url = request.url();
    if (!url.startsWith(`${origin}/`) && !url.startsWith('blob:') && !url.startsWith('data:')) page.outside.push(url);
  });
  await openPage(page, session.url);
  return page;
}

async function done(page) {
  assert.deepEqual(page.outside, [], 'requests outside the page');
  await page.context().close();
}

// What a top window says and the button that answers it.
async function answer(page, buttonText) {
  const box = page.locator('dialog[open]').last();
  const text = await box.locator('.message-text').textContent();
  await box.locator('.window-buttons button', { hasText: buttonText }).click();
  return text;
}

async function confirmInput(page) {
  await page.locator('dialog.input-form [data-command="ok"]').click();
  while ((await page.locator('dialog.message').count()) > 0) await answer(page, 'Принять');
  await page.waitForSelector('dialog.input-form', { state: 'detached' });
}

async function openProject(page, file) {
  await openFile(page, file);
  await page.waitForSelector('dialog[open]');
  await confirmInput(page);
}

async function calculate(page) {
  await page.click('#toolbar [data-command="startCalculation"]');
  return paneLines(page);
}

async function downloaded(page, menu, command) {
  const download = await savedFile(page, menu, command);
  const file = path.join(scratch, download.suggestedFilename());
  await download.saveAs(file);
  return { name: download.suggestedFilename(), bytes: readFileSync(file), file };
}

// sand_frost_depth.dan's values, as a user types them: the lists by their item, the texts by their label
const kTyped = {
  // a new project lays out the steps by the 1989 manual; the file's project by the table k1
  lists: { frostSoil: 1, floorType: 0, temperature: 2, overhangChoice: 0, soil: 1, scheme: 0, LHChoice: 0, method: 0, concreteClass: 0, stepMethod: 1 },
  texts: {
    Mt: '36.5', MII1: '95', NII1: '820', QII1: '22', MII2: '40', NII2: '1010', QII2: '9', MII3: '60', NII3: '870',
    QII3: '35', d_l: '0.3', fii: '30', cii: '2', Yii: '19,2', Yii1: '18.0', pedestalTop: '-0.150', d_h: '0.3',
    socketDepth: '0.750', socketBottom: '0.500', lc: '0.4', bc: '0.4', da: '0.020', dz: '0.070', Rs: '365', Rsc: '365',
    MI1: '109', NI1: '943', QI1: '25.3', MI2: '46', NI2: '1161.5', QI2: '10.4', MI3: '69', NI3: '1000.5', QI3: '40.3',
  },
};

test('a project typed into the form is saved as the desktop saves it and calculated as fundis-cli does', async () => {
  const page = await freshPage();
  await menuCommand(page, 'Файл', 'newProject');
  await menuCommand(page, 'Расчет', 'editInput');
  const form = page.locator('dialog.input-form');
  for (const [name, index] of Object.entries(kTyped.lists)) {
    await form.locator('.tabs button').nth(Number(await form.locator(`[data-field="${name}"]`).evaluate((cell) => cell.closest('.tab-panel').dataset.tab))).click();
    await form.locator(`select[name="${name}"]`).selectOption(String(index));
  }
  for (const [name, text] of Object.entries(kTyped.texts)) {
    const tab = await form.locator(`[data-field="${name}"]`).evaluate((cell) => cell.closest('.tab-panel').dataset.tab);
    await form.locator('.tabs button').nth(Number(tab)).click();
    await form.locator(`input[name="${name}"]`).fill('');
    await form.locator(`input[name="${name}"]`).pressSequentially(text);
  }
  // the comma typed in a Russian habit became the point
  assert.equal(await form.locator('input[name="Yii"]').inputValue(), '19.2');
  await confirmInput(page);
  assert.match(await page.title(), /^Без имени\* — Фундис$/);

  const saved = await downloaded(page, 'Файл', 'saveProject');
  assert.equal(saved.name, 'Фундамент.dan');
  // the file as the desktop writes it after the same typing and OK: its L/H edit (value 15, line 24)
  // shows the 4 of "4 и более" that OK put there
  const desktop = readFileSync(path.join(data, 'sand_frost_depth.dan'), 'latin1').split('\r\n');
  assert.equal(desktop[23], '#');
  desktop[23] = '4';
  assert.deepEqual(saved.bytes, Buffer.from(desktop.join('\r\n'), 'latin1'), 'the .dan file byte for byte');
  assert.match(await page.title(), /^Фундамент\.dan — Фундис$/);

  const lines = await calculate(page);
  const expected = readFileSync(path.join(data, 'sand_frost_depth.expected'), 'utf8').replace(/\n$/, '').split('\n');
  // the report shows the user's decimal comma; fundis-cli's text here has the point
  assert.deepEqual(lines.map((line) => line.text.replaceAll(',', '.')), expected);
  assert.ok(lines.every((line) => !line.failure));
  await done(page);
});

test('saved then opened gives the same bytes, settlement layers and all', async () => {
  const page = await freshPage();
  await openProject(page, path.join(samples, 'settlement/cases/settle_0004.dan'));
  const first = await downloaded(page, 'Файл', 'saveProject');
  const copy = path.join(scratch, 'copy.dan');
  writeFileSync(copy, first.bytes);
  await openProject(page, copy);
  assert.equal(await page.locator('#fileName').textContent(), 'copy.dan');
  const second = await downloaded(page, 'Файл', 'saveProject');
  assert.deepEqual(second.bytes, first.bytes);
  // code page 1251 and CR LF: the settlement part's Cyrillic building type reads back, no bare LF
  const lines = first.bytes.toString('latin1').split('\n');
  assert.ok(lines.length > 51 && lines.slice(0, -1).every((line) => line.endsWith('\r')));
  assert.equal(new TextDecoder('windows-1251').decode(first.bytes).includes('\ufffd'), false);
  await done(page);
});

test('red bold failure lines, the refusal line and the out-of-date mark', async () => {
  const page = await freshPage();
  await openProject(page, path.join(data, 'heavy_shallow_failure.dan'));
  const lines = await calculate(page);
  const red = lines.filter((line) => line.failure).map((line) => line.text.replaceAll(',', '.'));
  assert.ok(red.includes('Необходимо увеличить толщину дна стакана.'), red.join('\n'));
  const stale = page.locator('#staleMark');
  assert.equal(await stale.isVisible(), false);

  // a change after the calculation: the status bar and every document say so
  await menuCommand(page, 'Расчет', 'editInput');
  await page.locator('dialog.input-form .tabs button').nth(1).click();
  await page.locator('input[name="NII1"]').fill('1500');
  await confirmInput(page);
  assert.equal(await stale.isVisible(), true);
  const html = await downloaded(page, 'Файл', 'saveHtmlReport');
  assert.ok(html.bytes.toString('utf8').includes('Результаты не соответствуют текущим исходным данным: выполните расчет.'));
  await calculate(page);
  assert.equal(await stale.isVisible(), false);

  // a required field emptied: nothing is calculated, one red line names it
  await menuCommand(page, 'Расчет', 'editInput');
  await page.locator('dialog.input-form .tabs button').nth(1).click();
  await page.locator('input[name="NII1"]').fill('');
  await page.locator('dialog.input-form [data-command="ok"]').click();
  assert.match(await answer(page, 'Принять'), /^Без этих полей расчет не будет выполнен:\n {2}N, Mmax, II предельное состояние/);
  const refused = await calculate(page);
  assert.equal(refused.length, 1);
  assert.equal(refused[0].failure, true);
  assert.match(refused[0].text, /^Расчет не выполнен: N, Mmax, II предельное состояние \(вкладка «Нагрузки»\): пусто/);
  await done(page);
});

test('"Отмена" puts the fields back as they were when the form opened', async () => {
  const page = await freshPage();
  await openProject(page, path.join(data, 'sand_frost_depth.dan'));
  await menuCommand(page, 'Расчет', 'editInput');
  await page.locator('dialog.input-form .tabs button').nth(2).click();
  await page.locator('input[name="fii"]').fill('44');
  await page.locator('dialog.input-form [data-command="cancel"]').click();
  assert.match(await answer(page, 'Отменить изменения'), /^Исходные данные изменены\. Закрыть окно без них\?/);
  assert.match(await page.title(), /^sand_frost_depth\.dan — Фундис$/, 'not marked as changed');
  await menuCommand(page, 'Расчет', 'editInput');
  assert.equal(await page.locator('input[name="fii"]').inputValue(), '30');
  await done(page);
});

test('the note on screen and saved, the DXF read back with ezdxf, the scheme and the printed pages', async () => {
  const page = await freshPage();
  await page.addInitScript(() => {
    window.print = () => {
      window.printedSheets = Array.from(document.querySelectorAll('#printout .sheet svg')).map((svg) => [svg.getAttribute('width'), svg.getAttribute('height')]);
    };
  });
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await openProject(page, path.join(samples, 'settlement/cases/settle_0001.dan'));
  await calculate(page);

  await menuCommand(page, 'Расчет', 'showNote');
  const note = page.frameLocator('iframe.note-frame');
  await note.locator('svg').first().waitFor();
  assert.match(await note.locator('body').textContent(), /Пояснительная записка/);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('[data-command="save-note"]')]);
  assert.equal(download.suggestedFilename(), 'settle_0001 - записка.html');
  const [odt] = await Promise.all([page.waitForEvent('download'), page.click('[data-command="save-note-odt"]')]);
  assert.equal(odt.suggestedFilename(), 'settle_0001 - записка.odt');
  const zip = readFileSync(await odt.path()).toString('latin1');
  assert.ok(zip.startsWith('PK') && zip.includes('mimetypeapplication/vnd.oasis.opendocument.text'));
  await page.locator('dialog.note-window .window-buttons button', { hasText: 'Закрыть' }).click();

  const dxf = await downloaded(page, 'Файл', 'exportDxf');
  const read = JSON.parse(
    execFileSync('/usr/bin/python3', ['-c', `
import ezdxf, json, sys
doc = ezdxf.readfile(sys.argv[1])
texts = [ezdxf.decode_dxf_unicode(e.dxf.text) for e in doc.modelspace().query("TEXT")]
closed = [e.dxf.layer for e in doc.modelspace() if e.dxftype() == "LWPOLYLINE" and e.closed]
print(json.dumps({"errors": len(doc.audit().errors), "layers": sorted(l.dxf.name for l in doc.layers), "texts": texts, "closed": closed}))
`, dxf.file]).toString(),
  );
  assert.equal(read.errors, 0);
  for (const layer of ['OUTLINE', 'COLUMN', 'DIMENSIONS', 'HATCH', 'REINFORCEMENT', 'TEXT', 'TABLE']) assert.ok(read.layers.includes(layer), layer);
  assert.ok(read.texts.includes('Схема фундамента'));
  assert.ok(read.closed.filter((layer) => layer === 'OUTLINE').length >= 3);

  await page.click('#toolbar [data-command="showScheme"]');
  const scheme = page.locator('dialog.scheme-window .scheme-view svg');
  const width = Number(await scheme.getAttribute('width'));
  await page.click('[data-command="zoom-in"]');
  assert.ok(Number(await scheme.getAttribute('width')) > width);
  await page.locator('dialog.scheme-window .window-buttons button', { hasText: 'Закрыть' }).click();

  await menuCommand(page, 'Файл', 'printReport');
  // the text page, the tables, the bill of materials, the scheme and the settlement page, each an A4 sheet
  assert.deepEqual(await page.evaluate(() => window.printedSheets), Array(5).fill(['210.079mm', '297.127mm']));
  await done(page);
});

test('the settlement window: "Рассчитать", a bad cell marked and named, an edit drops the result', async () => {
  const page = await freshPage();
  await openProject(page, path.join(samples, 'settlement/cases/settle_0001.dan'));
  await calculate(page);
  await page.click('#toolbar [data-command="showSettlement"]');
  const window = page.locator('dialog.settlement-window');
  await window.locator('[data-command="calculate-settlement"]').click();
  assert.match(await window.locator('.settlement-result').textContent(), /^s = \d+,\d{3} см [≤>] su = \d+,\d{3} см$/);
  assert.ok((await window.locator('.settlement-picture svg').count()) === 1);
  const cell = window.locator('input[data-row="0"][data-column="2"]');
  await cell.fill('abc');
  assert.equal(await window.locator('.settlement-report .line').first().textContent(), 'Исходные данные изменены: нажмите «Рассчитать».');
  await window.locator('[data-command="calculate-settlement"]').click();
  assert.match(await answer(page, 'OK'), /^Осадка не рассчитана: исправьте выделенные ячейки\.\n\nСлой 1, E, МПа: «abc» — не число\./);
  assert.equal(await cell.evaluate((node) => node.classList.contains('bad')), true);
  await done(page);
});

test('a garbage, a truncated and a 5 MB-word file give the desktop\'s messages and leave the project', async () => {
  const good = readFileSync(path.join(data, 'sand_frost_depth.dan'));
  const files = {
    'мусор.dan': [Buffer.from('\x89PNG\r\n\x1a\n\0\0\0 garbage', 'latin1'), /строка 1: поле .*: ожидалось целое число, а не /],
    'обрезан.dan': [good.subarray(0, 120), /файл кончается, не дойдя до поля/],
    'длинный.dan': [Buffer.concat([good.subarray(0, good.indexOf('36.5')), Buffer.alloc(5 * 1024 * 1024, '7'), good.subarray(good.indexOf('36.5') + 4)]), /текст длиннее 99 символов/],
  };
  const page = await freshPage();
  await openProject(page, path.join(data, 'sand_frost_depth.dan'));
  const before = (await downloaded(page, 'Файл', 'saveProject')).bytes;
  for (const [name, [bytes, reason]] of Object.entries(files)) {
    const file = path.join(scratch, name);
    writeFileSync(file, bytes);
    await openFile(page, file);
    await page.waitForSelector('dialog.message');
    const message = await answer(page, 'OK');
    assert.ok(message.startsWith(`Не удалось прочитать файл «${name}»: `), message.slice(0, 200));
    assert.match(message, reason);
    assert.ok(message.endsWith('.\nДанные в окне ввода не изменены.'), message.slice(-80));
    assert.equal(await page.locator('dialog.input-form').count(), 0);
    assert.equal(await page.locator('#fileName').textContent(), 'sand_frost_depth.dan');
  }
  assert.deepEqual((await downloaded(page, 'Файл', 'saveProject')).bytes, before);
  await done(page);
});

test('a reload restores the project being edited, and says so', async () => {
  const page = await freshPage();
  await menuCommand(page, 'Файл', 'examplesMenu');
  await page.locator('[data-example="frost_greatarchitect.dan"]').click();
  await page.waitForSelector('dialog.input-form');
  await page.locator('dialog.input-form .tabs button').nth(1).click();
  await page.locator('input[name="NII1"]').fill('1234');
  await confirmInput(page);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.match(await page.locator('#notice').textContent(), /^Восстановлен проект «frost_greatarchitect\.dan», который редактировался в прошлый раз, с несохраненными изменениями\./);
  assert.match(await page.title(), /^frost_greatarchitect\.dan\* — Фундис$/);
  await menuCommand(page, 'Расчет', 'editInput');
  assert.equal(await page.locator('input[name="NII1"]').inputValue(), '1234');
  await done(page);
});

test('after the first visit the page opens without a network', async () => {
  const page = await freshPage();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await menuCommand(page, 'Файл', 'examplesMenu');
  await page.locator('[data-example="frost_greatarchitect.dan"]').click();
  await confirmInput(page);
  const lines = await calculate(page);
  assert.ok(lines.some((line) => line.text.startsWith('ГЛУБИНА ПРОМЕРЗАНИЯ ГРУНТА')));
  await menuCommand(page, '?', 'showHelp');
  await page.frameLocator('iframe.help-frame').locator('h1').first().waitFor();
  await done(page);
});

test('on a phone the form, the report and the windows fit the screen', async () => {
  const page = await freshPage({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
  await menuCommand(page, 'Файл', 'examplesMenu');
  await page.locator('[data-example="punching_socket_allrefs.dan"]').click();
  await page.waitForSelector('dialog.input-form');
  const fits = () => page.evaluate(() => {
    const dialog = document.querySelector('dialog[open]') ?? document.body;
    return dialog.getBoundingClientRect().right <= window.innerWidth + 1 && document.documentElement.scrollWidth <= window.innerWidth + 1;
  });
  for (let tab = 0; tab < 4; ++tab) {
    await page.locator('dialog.input-form .tabs button').nth(tab).click();
    assert.ok(await fits(), `tab ${tab}`);
  }
  await confirmInput(page);
  await calculate(page);
  assert.ok(await fits());
  await page.click('#toolbar [data-command="showSettlement"]');
  assert.ok(await fits());
  await done(page);
});
