// SPDX-License-Identifier: GPL-3.0-or-later
// The page's build: one static folder with relative addresses (it runs from any folder of any web
// server), the WebAssembly module and the help pages from the CMake build (FUNDIS_PUBLIC_DIR), and
// the service worker with the list of the folder's files.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import ts from 'typescript';
import { defineConfig, type Plugin } from 'vite';

const here = path.dirname(new URL(import.meta.url).pathname);
const publicDir = process.env.FUNDIS_PUBLIC_DIR ?? path.resolve(here, '../../build/web/public');
const outDir = process.env.FUNDIS_SITE_DIR ?? path.resolve(here, '../../build/web/site');

function filesOf(folder: string, prefix = ''): string[] {
  return readdirSync(folder)
    .sort()
    .flatMap((name) => {
      const full = path.join(folder, name);
      const relative = prefix + name;
      return statSync(full).isDirectory() ? filesOf(full, `${relative}/`) : [relative];
    });
}

// sw.js, compiled from src/sw.ts, with the folder's files and a version from their contents
function offline(): Plugin {
  return {
    name: 'fundis-offline',
    apply: 'build',
    closeBundle() {
      const files = filesOf(outDir).filter((file) => file !== 'sw.js');
      const hash = createHash('sha256');
      for (const file of files) {
        hash.update(file);
        hash.update(readFileSync(path.join(outDir, file)));
      }
      const source = readFileSync(path.join(here, 'src/sw.ts'), 'utf8');
      const script = ts.transpileModule(source, { compilerOptions: { target: ts.ScriptTarget.ES2022 } }).outputText;
      const header =
        `const FUNDIS_FILES = ${JSON.stringify(['./', ...files])};\n` +
        `const FUNDIS_VERSION = ${JSON.stringify(hash.digest('hex').slice(0, 16))};\n`;
      writeFileSync(path.join(outDir, 'sw.js'), header + script);
    },
  };
}

export default defineConfig({
  root: here,
  base: './',
  publicDir,
  build: {
    outDir,
    emptyOutDir: true,
    target: 'es2022',
    assetsInlineLimit: 0,
    reportCompressedSize: false,
  },
  plugins: [offline()],
});
