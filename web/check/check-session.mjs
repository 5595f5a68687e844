// SPDX-License-Identifier: GPL-3.0-or-later
// What fundis-web-check does for each project, in a browser session that lives as long as projects
// keep coming: ../shared/acceptance/check calls the tool once a project, and one Chromium for the
// whole run is much quicker than one a call. `node check-session.mjs SOCKET` serves the tool's
// calls on a local socket and ends after a while without one.
import { readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:net';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { menuCommand, openBrowser, openFile, openPage, paneLines, savedFile } from './browser.mjs';

const kTables = ['table3.dat', 'table4.dat', 'Rb.dat', 'k1.dat', 'hstup.dat', 'sizepdkl.dat'];
const kExitComplete = 0;
const kExitFailures = 1;
const kExitNotRun = 2;

export function parseArguments(args) {
  const options = { json: false, debug: false, separator: null, tables: null, dxf: null, projects: [] };
  for (let i = 0; i < args.length; ++i) {
    const arg = args[i];
    if (arg === '--json') options.json = true;
    else if (arg === '--debug') options.debug = true;
    else if (arg === '--sep' || arg === '--tables' || arg === '--dxf') {
      if (i + 1 >= args.length) throw new Error(`${arg}: нет значения`);
      if (arg === '--sep') options.separator = args[i + 1];
      if (arg === '--tables') options.tables = args[i + 1];
      if (arg === '--dxf') options.dxf = args[i + 1];
      ++i;
    } else if (arg.startsWith('--')) throw new Error(`${arg}: неизвестный ключ`);
    else options.projects.push(arg);
  }
  if (options.projects.length === 0) throw new Error('не задан ни один проект');
  return options;
}

// Answers what the page asks until the window `until` is the top one (null: none is open): message
// boxes are noted and closed (a question with its last button, "Принять"), the input form is
// confirmed with its own OK.
async function settle(page, messages, until) {
  const top = () => page.evaluateHandle(() => [...document.querySelectorAll('dialog[open]')].pop() ?? null);
  for (;;) {
    const window = await top();
    const name = await window.evaluate((node) => node?.dataset.window ?? null);
    if (name === until) return;
    if (name === 'message') {
      messages.push(await window.evaluate((node) => node.querySelector('.message-text').textContent));
      await window.evaluate((node) => node.querySelector('.window-buttons button:last-child').click());
    } else if (name === 'input-form') {
      await window.evaluate((node) => node.querySelector('[data-command="ok"]').click());
    } else {
      throw new Error(`окно «${name}» не ожидалось`);
    }
    await page.waitForFunction((previous) => ([...document.querySelectorAll('dialog[open]')].pop() ?? null) !== previous, window, { timeout: 15000 });
  }
}

// The last project's page is kept open: fundis-cli's callers ask for the JSON and then for the
// drawing of the same project (tests/core/reports/dxf_samples.py), and the second call takes the
// page the first one calculated instead of doing it all again.
let kept = null;

function projectKey(options, file) {
  const { mtimeMs, size } = statSync(file);
  return JSON.stringify([file, mtimeMs, size, options.separator, options.tables, options.debug]);
}

// Opens `file` on a fresh page with the page's own commands and calculates it; the messages the page
// showed on the way.
async function calculateProject(session, options, file) {
  const page = await session.checkPage();
  const messages = [];
  try {
    await openPage(page, session.url);
    if (options.tables) {
      for (const name of kTables) {
        const bytes = Array.from(readFileSync(path.join(options.tables, name)));
        const loaded = await page.evaluate(([table, data]) => window.fundis.loadTable(table, new Uint8Array(data)), [name, bytes]);
        if (!loaded.ok) throw new Error(loaded.message);
      }
    }
    if (options.separator) {
      await page.evaluate((separator) => window.fundis.setDecimalSeparator(separator), options.separator);
    }
    if (options.debug) {
      await menuCommand(page, 'Настройка', 'showSettings');
      await page.check('#setting-debug');
      await page.click('dialog.settings-window [data-command="ok"]');
    }
    await openFile(page, file);
    // the file is read, then the input form opens (or a message says why it did not)
    await page.waitForSelector('dialog[open]', { timeout: 15000 });
    await settle(page, messages, null);
    await page.click('#toolbar [data-command="startCalculation"]');
    await settle(page, messages, null);
    const status = await page.evaluate(() => JSON.parse(window.fundis.resultsJson()));
    const hasLayers = await page.evaluate(() => window.fundis.status().hasLayers);
    if (hasLayers || (status.outcome !== 'not run' && status.settlement !== null)) {
      await page.click('#toolbar [data-command="showSettlement"]');
      await page.waitForSelector('dialog.settlement-window');
      if (hasLayers) {
        await page.click('[data-command="calculate-settlement"]');
        await settle(page, messages, 'settlement-window');
      }
      await page.click('dialog.settlement-window .window-buttons button:last-child');
    }
    return { page, messages };
  } catch (error) {
    await page.close();
    throw error;
  }
}

async function checkProject(session, options, file, out) {
  const complain = (text) => out.stderr.push(`fundis-web-check: ${text}\n`);
  const key = projectKey(options, file);
  if (kept?.key !== key) {
    await kept?.page.close();
    kept = null;
    kept = { key, ...(await calculateProject(session, options, file)) };
    for (const message of kept.messages) complain(`${file}: ${message.replaceAll('\n', ' ')}`);
  }
  const { page } = kept;
  const lines = await paneLines(page);
  const results = JSON.parse(await page.evaluate(() => window.fundis.resultsJson()));
  if (options.dxf && results.outcome !== 'not run') {
    // "Файл" → "Экспорт в DXF...", saved where fundis-cli --dxf would save it
    await (await savedFile(page, 'Файл', 'exportDxf')).saveAs(options.dxf);
  } else if (options.dxf) {
    complain(`${file}: документы не сохранены: расчет не выполнен`);
  }
  if (lines.length === 0) return kExitNotRun; // nothing calculated, nothing shown
  const shown = JSON.stringify(lines.map((line) => [line.text, line.failure]));
  const calculated = JSON.stringify(results.report.map((line) => [line.text, line.failure]));
  if (shown !== calculated) complain(`${file}: строки на экране не совпадают с последним расчетом`);
  // the JSON of what the page shows: the pane's lines, the last calculation's results
  results.report = lines;
  if (results.outcome !== 'not run') {
    const failed = lines.some((line) => line.failure) || (results.settlement?.report ?? []).some((line) => line.failure);
    results.outcome = failed ? 'design failures' : 'complete';
  }
  out.stdout.push(`${JSON.stringify(results)}\n`);
  return results.outcome === 'complete' ? kExitComplete : results.outcome === 'not run' ? kExitNotRun : kExitFailures;
}

// One call of the tool: its stdout, stderr and exit status.
export async function runCheck(session, args, cwd = process.cwd()) {
  const out = { stdout: [], stderr: [] };
  let options;
  try {
    options = parseArguments(args);
  } catch (error) {
    out.stderr.push(`fundis-web-check: ${error.message}\n`);
    return { ...out, status: kExitNotRun };
  }
  if (options.tables) options.tables = path.resolve(cwd, options.tables);
  if (options.dxf) options.dxf = path.resolve(cwd, options.dxf);
  let worst = kExitComplete;
  for (const file of options.projects) {
    try {
      worst = Math.max(worst, await checkProject(session, options, path.resolve(cwd, file), out));
    } catch (error) {
      out.stderr.push(`fundis-web-check: ${file}: ${error.message}\n`);
      worst = kExitNotRun;
    }
  }
  return { ...out, status: worst };
}

const kIdleMs = 30000;

// The session's server: one JSON request a connection ({args, cwd}), one JSON answer.
async function serveSession(socketPath) {
  const session = await openBrowser();
  // a browser that has gone takes the session with it: the next call starts a new one
  session.browser.on('disconnected', () => {
    rmSync(socketPath, { force: true });
    process.exit(1);
  });
  let idle = null;
  let open = 0; // connections being answered
  // the calls are answered one after another: they share the browser's kept page (ctest runs the
  // sample checks side by side, and one call must not close the page another is saving from)
  let queue = Promise.resolve();
  const stop = async () => {
    if (open > 0) return;
    server.close();
    await session.close();
    process.exit(0);
  };
  const server = createServer({ allowHalfOpen: true }, (connection) => {
    open += 1;
    clearTimeout(idle);
    let request = '';
    connection.setEncoding('utf8');
    connection.on('data', (chunk) => (request += chunk));
    connection.on('end', async () => {
      let answer;
      try {
        const { args, cwd } = JSON.parse(request);
        const turn = queue.then(() => runCheck(session, args, cwd));
        queue = turn.catch(() => undefined);
        answer = await turn;
      } catch (error) {
        answer = { stdout: [], stderr: [`fundis-web-check: ${error.message}\n`], status: kExitNotRun };
      }
      connection.end(JSON.stringify(answer));
      open -= 1;
      if (open === 0) idle = setTimeout(stop, kIdleMs);
    });
  });
  server.on('error', async () => {
    // another session took the socket first: that one serves
    await session.close();
    process.exit(0);
  });
  server.listen(socketPath, () => {
    idle = setTimeout(stop, kIdleMs);
    process.stdout.write('ready\n');
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  await serveSession(process.argv[2]);
}
