// SPDX-License-Identifier: GPL-3.0-or-later
// The project being edited, kept in the browser's storage after every change, so that a closed or
// reloaded tab loses nothing; and the page's settings.

import type { FormValues, SettlementInputs } from './api';

const kProjectKey = 'fundis.project';
const kSettingsKey = 'fundis.settings';

export interface KeptProject {
  values: FormValues;
  settlement: SettlementInputs;
  fileName: string;
  modified: boolean;
}

export function keepProject(project: KeptProject): void {
  try {
    localStorage.setItem(kProjectKey, JSON.stringify(project));
  } catch {
    // storage full or refused (a private window): the page works on without it
  }
}

export function keptProject(): KeptProject | null {
  try {
    const text = localStorage.getItem(kProjectKey);
    return text ? (JSON.parse(text) as KeptProject) : null;
  } catch {
    return null;
  }
}

export interface KeptSettings {
  scale: string;
  debug: boolean;
}

export function keepSettings(settings: KeptSettings): void {
  try {
    localStorage.setItem(kSettingsKey, JSON.stringify(settings));
  } catch {
    // as above
  }
}

export function keptSettings(): KeptSettings | null {
  try {
    const text = localStorage.getItem(kSettingsKey);
    return text ? (JSON.parse(text) as KeptSettings) : null;
  } catch {
    return null;
  }
}
