// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium driven by playwright-core (no browser of its own is downloaded), in a Russian
// locale, with the page's folder served on this computer; shared by fundis-web-check, the browser
// tests and the benchmark.
import { existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';
import { kSiteDir } from './site.mjs';

export { kSiteDir };

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, '../page/package.json'));
const { chromium } = require('playwright-core');

export const kChromium = process.env.FUNDIS_CHROMIUM ?? '/usr/bin/chromium';

export const kChromiumFlags = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--lang=ru',
];

// The served folder and a browser; `close()` ends both. Playwright gives the browser a fresh
// profile folder of its own (--user-data-dir) and removes it afterwards.
export async function openBrowser(siteDir = kSiteDir) {
  if (!existsSync(path.join(siteDir, 'index.html'))) {
    throw new Error(`${siteDir}/index.html не найден: соберите страницу (cmake --build --preset web)`);
  }
  const site = await serve(siteDir);
  let browser;
  try {
    browser = await chromium.launch({ executablePath: kChromium, args: kChromiumFlags, env: { ...process.env, LANG: 'ru_RU.UTF-8' } });
  } catch (error) {
    await site.close();
    throw error;
  }
  let shared = null;
  return {
    url: site.url,
    browser,
    // A page of one context kept for the session, whose cache keeps the compiled module from page
    // to page; each page starts with the storage empty and without the service worker, as on a
    // first visit.
    checkPage: async () => {
      if (!shared) {
        shared = await browser.newContext({ locale: 'ru-RU', viewport: { width: 1366, height: 768 }, acceptDownloads: true, serviceWorkers: 'block' });
        await shared.addInitScript(() => {
          delete window.showSaveFilePicker;
          localStorage.clear();
        });
      }
      return shared.newPage();
    },
    // a fresh context: its own storage, Russian, the size of a laptop's screen unless told
    newPage: async (options = {}) => {
      const context = await browser.newContext({ locale: 'ru-RU', viewport: { width: 1366, height: 768 }, acceptDownloads: true, ...options });
      // a headless browser cannot answer the save dialog of the File System Access API: files
      // are saved as downloads, as in a browser without that API
      await context.addInitScript(() => delete window.showSaveFilePicker);
      return context.newPage();
    },
    close: async () => {
      await browser.close();
      await site.close();
    },
  };
}

// Navigates to the page and waits until its form takes input.
export async function openPage(page, url) {
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 15000 });
}

// The report pane's lines as the user sees them: a red bold line is a failure.
export function paneLines(page, selector = '#report') {
  return page.$$eval(`${selector} .line`, (rows) =>
    rows.map((row) => {
      const style = getComputedStyle(row);
      return {
        text: row.textContent === '\u00a0' ? '' : row.textContent,
        failure: style.color === 'rgb(255, 0, 0)' && Number(style.fontWeight) >= 700,
      };
    }),
  );
}

// Presses a menu's command as the user does: the menu, then its item.
export async function menuCommand(page, menu, command) {
  await page.click(`[data-menu="${menu}"]`);
  await page.click(`.menu.open [data-command="${command}"]`);
}

// Runs `command` of `menu` and gives the file it saves, as a Playwright download.
export async function savedFile(page, menu, command) {
  const [download] = await Promise.all([page.waitForEvent('download'), menuCommand(page, menu, command)]);
  return download;
}

// "Файл" → "Открыть" with `file` picked in the file dialog.
export async function openFile(page, file) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), menuCommand(page, 'Файл', 'openProject')]);
  await chooser.setFiles(file);
}
