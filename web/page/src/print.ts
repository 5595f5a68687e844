// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through the browser's print: the core's A4 pages, one <svg> a sheet, in a part of the
// document that only the print style sheet shows.

export function printPages(pages: string[]): void {
  const printout = document.getElementById('printout') as HTMLElement;
  printout.replaceChildren();
  for (const svg of pages) {
    const sheet = document.createElement('div');
    sheet.className = 'sheet';
    sheet.innerHTML = svg;
    printout.append(sheet);
  }
  const done = (): void => {
    printout.replaceChildren();
    window.removeEventListener('afterprint', done);
  };
  window.addEventListener('afterprint', done);
  window.print();
}

// A document's SVG at its own size times `zoom`, whatever width the core's element asked for.
export function sizedSvg(svg: string, zoom: number): { html: string; width: number; height: number } {
  const box = /viewBox="(-?\d+) (-?\d+) (\d+) (\d+)"/.exec(svg);
  const width = box ? Number(box[3]) : 800;
  const height = box ? Number(box[4]) : 600;
  const html = svg.replace(
    /<svg ([^>]*?)width="100%" style="max-width:\d+px"/,
    `<svg $1width="${Math.round(width * zoom)}" height="${Math.round(height * zoom)}"`,
  );
  return { html, width, height };
}
