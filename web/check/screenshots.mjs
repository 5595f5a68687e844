// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the browser edition in Chromium under a Russian locale, on a laptop's screen
// (1366 × 768) and on a phone (390 × 844):
//   node web/check/screenshots.mjs [FOLDER]     (default build/web/screenshots)
// In FOLDER/1366x768 and FOLDER/390x844: start.png, input-1.png … input-4.png, report-failures.png,
// out-of-date.png, scheme.png, note.png, settlement.png, printed-1.png … (the printed pages, as the
// print style sheet lays them out), settings.png, about.png.
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { menuCommand, openBrowser, openFile, openPage } from './browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const repository = path.resolve(here, '../..');
const out = path.resolve(process.argv[2] ?? path.join(repository, 'build/web/screenshots'));
const typed = path.join(repository, 'tests/data/sand_frost_depth.dan');
const failing = path.join(repository, 'tests/data/heavy_shallow_failure.dan');
const settling = path.join(repository, 'tests/samples/settlement/cases/settle_0001.dan');

async function closeTop(page) {
  await page.locator('dialog[open]').last().locator('.window-title .close-box').click();
}

async function confirm(page) {
  await page.locator('dialog.input-form [data-command="ok"]').click();
  while ((await page.locator('dialog.message').count()) > 0) {
    await page.locator('dialog.message .window-buttons button').last().click();
  }
}

async function pictures(session, size) {
  const [width, height] = size.split('x').map(Number);
  const folder = path.join(out, size);
  mkdirSync(folder, { recursive: true });
  const phone = width < 700;
  const page = await session.newPage({ viewport: { width, height }, isMobile: phone, hasTouch: phone, deviceScaleFactor: 1 });
  await page.addInitScript(() => {
    window.print = () => {};
  });
  await openPage(page, session.url);
  const shot = (name) => page.screenshot({ path: path.join(folder, `${name}.png`) });
  await shot('start');

  // the form of a project whose depth is found from the frost, so that every field shows
  await openFile(page, typed);
  await page.waitForSelector('dialog.input-form');
  for (let tab = 0; tab < 4; ++tab) {
    await page.locator('dialog.input-form .tabs button').nth(tab).click();
    await shot(`input-${tab + 1}`);
  }
  await confirm(page);
  await openFile(page, failing);
  await page.waitForSelector('dialog.input-form');
  await confirm(page);
  await page.click('#toolbar [data-command="startCalculation"]');
  await page.locator('#report .line.failure').first().scrollIntoViewIfNeeded();
  await shot('report-failures');
  await menuCommand(page, 'Расчет', 'editInput');
  await page.locator('dialog.input-form .tabs button').nth(1).click();
  await page.locator('input[name="NII1"]').fill('1500');
  await confirm(page);
  await shot('out-of-date');
  await page.click('#toolbar [data-command="startCalculation"]');

  await page.click('#toolbar [data-command="showScheme"]');
  await page.waitForSelector('dialog.scheme-window svg');
  await shot('scheme');
  await closeTop(page);

  await menuCommand(page, 'Расчет', 'showNote');
  await page.frameLocator('iframe.note-frame').locator('svg').first().waitFor();
  await shot('note');
  await closeTop(page);

  // the changed project is let go without saving
  page.setDefaultTimeout(10000);
  const chooser = page.waitForEvent('filechooser');
  await menuCommand(page, 'Файл', 'openProject');
  await page.locator('dialog.message .window-buttons button', { hasText: 'Не сохранять' }).click();
  await (await chooser).setFiles(settling);
  await page.waitForSelector('dialog[open]');
  while ((await page.locator('dialog.message').count()) > 0) await page.locator('dialog.message .window-buttons button').last().click();
  await confirm(page);
  await page.click('#toolbar [data-command="startCalculation"]');
  await page.click('#toolbar [data-command="showSettlement"]');
  await page.locator('[data-command="calculate-settlement"]').click();
  await page.waitForSelector('.settlement-picture svg');
  await shot('settlement');
  await closeTop(page);

  // the printed pages as the print style sheet shows them, one sheet a picture
  await menuCommand(page, 'Файл', 'printReport');
  await page.emulateMedia({ media: 'print' });
  const sheets = page.locator('#printout .sheet');
  for (let i = 0; i < (await sheets.count()); ++i) {
    await sheets.nth(i).screenshot({ path: path.join(folder, `printed-${i + 1}.png`) });
  }
  await page.emulateMedia({ media: 'screen' });
  await page.evaluate(() => document.getElementById('printout').replaceChildren());

  await menuCommand(page, 'Настройка', 'showSettings');
  await shot('settings');
  await closeTop(page);
  await menuCommand(page, '?', 'showAbout');
  await shot('about');
  await closeTop(page);
  await page.context().close();
}

const session = await openBrowser();
try {
  for (const size of ['1366x768', '390x844']) await pictures(session, size);
} finally {
  await session.close();
}
console.log(`Снимки экрана: ${out}`);
