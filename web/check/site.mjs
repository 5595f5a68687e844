// SPDX-License-Identifier: GPL-3.0-or-later
// Where the page's folder is: build/web/site of this checkout, or FUNDIS_WEB_SITE.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const kSiteDir = process.env.FUNDIS_WEB_SITE ?? path.resolve(here, '../../build/web/site');
