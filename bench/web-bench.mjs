#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures, in this machine's headless Chromium from localhost, beside the
// desktop's for the same project (tests/data/sand_frost_depth.dan, the sand project of the Google
// Benchmark programs calc_bench and note_bench):
//   node bench/web-bench.mjs          (build/web/site; the desktop's from build/bench when built:
//                                      cmake --preset bench && cmake --build --preset bench)
// Prints the folder's size as transferred (each file gzipped), the time from navigation to a form
// that takes input, from "Начать расчет" to the report on screen, and from "Пояснительная записка"
// to the note on screen: the median and the slowest of several runs.
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { kSiteDir, menuCommand, openBrowser, openFile, openPage } from '../web/check/browser.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const repository = path.resolve(here, '..');
const project = path.join(repository, 'tests/data/sand_frost_depth.dan');
const kLoads = 7;
const kRuns = 25;

function filesOf(folder) {
  return readdirSync(folder).flatMap((name) => {
    const full = path.join(folder, name);
    return statSync(full).isDirectory() ? filesOf(full) : [full];
  });
}

function summary(times) {
  const sorted = [...times].sort((a, b) => a - b);
  return `медиана ${sorted[Math.floor(sorted.length / 2)].toFixed(1)} мс, худшее ${sorted.at(-1).toFixed(1)} мс (${times.length} раз)`;
}

// The desktop's Google Benchmark figure, in milliseconds, when its program is built.
function desktop(program, filter) {
  const binary = path.join(repository, 'build/bench/bench', program);
  if (!existsSync(binary)) return `нет ${path.relative(repository, binary)}`;
  const report = JSON.parse(execFileSync(binary, [`--benchmark_filter=${filter}`, '--benchmark_format=json'], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } }).toString());
  const run = report.benchmarks[0];
  const perMs = { ns: 1e-6, us: 1e-3, ms: 1, s: 1000 }[run.time_unit];
  return `${(run.real_time * perMs).toFixed(3)} мс (${program} ${run.name})`;
}

// the frame that shows the change: its animation callback runs before its paint, a task queued
// there runs after it
const kPainted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));

const files = filesOf(kSiteDir);
const raw = files.reduce((sum, file) => sum + statSync(file).size, 0);
const gzipped = files.reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);
console.log(`Папка ${path.relative(repository, kSiteDir)}: ${files.length} файлов, ${(raw / 1024).toFixed(0)} КБ, в gzip ${(gzipped / 1024).toFixed(0)} КБ (предел 1536 КБ)`);

const session = await openBrowser();
try {
  const loads = [];
  for (let i = 0; i < kLoads; ++i) {
    // a first visit each time: a fresh context, nothing cached
    const page = await session.newPage();
    await openPage(page, session.url);
    loads.push(await page.evaluate(() => performance.getEntriesByName('fundis-ready')[0].startTime));
    await page.context().close();
  }
  console.log(`От перехода на страницу до формы, принимающей ввод: ${summary(loads)} (предел 1000 мс)`);

  const page = await session.newPage();
  await openPage(page, session.url);
  await openFile(page, project);
  await page.waitForSelector('dialog.input-form');
  await page.click('dialog.input-form [data-command="ok"]');
  const calculations = [];
  for (let i = 0; i < kRuns; ++i) {
    calculations.push(
      await page.evaluate(async (painted) => {
        const wait = new Function(`return (${painted})()`);
        const start = performance.now();
        document.querySelector('#toolbar [data-command="startCalculation"]').click();
        await wait();
        if (!document.querySelector('#report .line')) throw new Error('no report');
        return performance.now() - start;
      }, kPainted.toString()),
    );
  }
  console.log(`«Начать расчет» → отчет на экране: ${summary(calculations)} (предел 20 мс)`);
  console.log(`  настольная программа, проход расчета: ${desktop('calc_bench', '^fullDesign/0$')}`);

  const notes = [];
  for (let i = 0; i < kRuns; ++i) {
    await page.click('[data-menu="Расчет"]');
    notes.push(
      await page.evaluate(async (painted) => {
        const wait = new Function(`return (${painted})()`);
        const start = performance.now();
        document.querySelector('.menu.open [data-command="showNote"]').click();
        const frame = document.querySelector('iframe.note-frame');
        await new Promise((resolve) => frame.addEventListener('load', resolve, { once: true }));
        await wait();
        return performance.now() - start;
      }, kPainted.toString()),
    );
    await page.locator('dialog.note-window .window-title .close-box').click();
  }
  console.log(`«Пояснительная записка» → записка на экране: ${summary(notes)} (предел 100 мс)`);
  console.log(`  настольная программа, блоки записки: ${desktop('note_bench', '^buildNoteOfAFullDesign$')}`);
  await page.context().close();
} finally {
  await session.close();
}
