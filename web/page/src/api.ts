// SPDX-License-Identifier: GPL-3.0-or-later
// The core's WebAssembly module and its project, typed for the page. Everything the page shows is
// computed there; the page only lays it out.

export interface Field {
  name: string;
  kind: 'text' | 'list' | 'check';
  label: string;
  unit: string;
  caption: string; // the label with its unit, as the desktop's dialog shows it
  title: string; // the field as messages name it, with its group and tab
  tab: number;
  group: string;
  rule: 'optional' | 'positive' | 'positiveWithoutDepth' | 'range' | 'notNegative';
  low?: number;
  high?: number;
  whenEmpty: string;
  shown: boolean; // false: kept in the file, not offered in the form
  items?: string[];
}

export interface FieldTable {
  tabs: { tab: number; title: string }[];
  fields: Field[];
}

export type FieldValue = string | number | boolean;
export type FormValues = Record<string, FieldValue>;

export interface ReportLine {
  text: string;
  failure: boolean; // red bold
}

export interface FileResult {
  ok: boolean;
  message: string;
  bytes: Uint8Array;
}

export interface ProjectStatus {
  fileName: string;
  shownName: string;
  untitled: boolean;
  modified: boolean;
  calculated: boolean;
  outOfDate: boolean;
  inputDialogNeeded: boolean;
  hasLayers: boolean;
}

export interface Calculation {
  outcome: string;
  report: ReportLine[];
  message: string;
}

export interface SettlementInputs {
  layers: string[][];
  buildingType: number;
  suText: string;
}

export interface SettlementForm extends SettlementInputs {
  buildingTypes: { text: string; su: string }[];
  typedSuItem: number;
  mostLayers: number;
  columns: string[];
}

export interface SettlementView {
  report: ReportLine[];
  calculated: boolean;
  label: string;
  exceeds: boolean;
  printable: boolean;
}

export interface BadCell {
  row: number; // -1: su
  column: number;
  message: string;
}

// The C++ class as embind hands it over.
interface CoreProject {
  setDecimalSeparator(separator: string): void;
  setSettings(scale: string, debug: boolean): FileResult;
  settings(): string;
  newProject(): void;
  openDan(bytes: Uint8Array, name: string): FileResult;
  openExample(file: string): FileResult;
  saveDan(name: string): FileResult;
  savedAs(name: string): void;
  form(): string;
  setForm(values: FormValues): boolean;
  setModified(modified: boolean): void;
  setFileName(name: string): void;
  fillReliability(): void;
  okWarnings(): string;
  acceptForm(): void;
  settlement(): string;
  setSettlement(inputs: SettlementInputs): void;
  calculate(): string;
  status(): string;
  resultsJson(): string;
  htmlReport(): string;
  noteHtml(): string;
  noteOdt(): Uint8Array;
  schemeSvg(): string;
  printedPages(): string[];
  dxf(): Uint8Array;
  openSettlementWindow(): string;
  calculateSettlement(): string;
  settlementEdited(inputs: SettlementInputs): string;
  settlementPictureSvg(width: number, height: number): string;
  settlementPageSvg(): string;
  loadTable(name: string, bytes: Uint8Array): FileResult;
}

interface CoreModule {
  WebProject: {
    new (tablesDir: string, examplesDir: string): CoreProject;
    fieldTable(): string;
    examples(): string;
  };
}

export class Project {
  readonly fields: FieldTable;
  readonly examples: { file: string; title: string }[];

  constructor(private readonly core: CoreProject, module: CoreModule) {
    this.fields = JSON.parse(module.WebProject.fieldTable()) as FieldTable;
    this.examples = JSON.parse(module.WebProject.examples()) as { file: string; title: string }[];
  }

  setDecimalSeparator(separator: string): void { this.core.setDecimalSeparator(separator); }
  setSettings(scale: string, debug: boolean): FileResult { return this.core.setSettings(scale, debug); }
  settings(): { scale: string; debug: boolean } { return JSON.parse(this.core.settings()); }
  newProject(): void { this.core.newProject(); }
  openDan(bytes: Uint8Array, name: string): FileResult { return this.core.openDan(bytes, name); }
  openExample(file: string): FileResult { return this.core.openExample(file); }
  saveDan(name: string): FileResult { return this.core.saveDan(name); }
  savedAs(name: string): void { this.core.savedAs(name); }
  form(): FormValues { return (JSON.parse(this.core.form()) as { values: FormValues }).values; }
  setForm(values: FormValues): boolean { return this.core.setForm(values); }
  setModified(modified: boolean): void { this.core.setModified(modified); }
  setFileName(name: string): void { this.core.setFileName(name); }
  fillReliability(): void { this.core.fillReliability(); }
  okWarnings(): string { return (JSON.parse(this.core.okWarnings()) as { text: string }).text; }
  acceptForm(): void { this.core.acceptForm(); }
  settlement(): SettlementForm { return JSON.parse(this.core.settlement()) as SettlementForm; }
  setSettlement(inputs: SettlementInputs): void { this.core.setSettlement(inputs); }
  calculate(): Calculation { return JSON.parse(this.core.calculate()) as Calculation; }
  status(): ProjectStatus { return JSON.parse(this.core.status()) as ProjectStatus; }
  resultsJson(): string { return this.core.resultsJson(); }
  htmlReport(): string { return this.core.htmlReport(); }
  noteHtml(): string { return this.core.noteHtml(); }
  noteOdt(): Uint8Array { return this.core.noteOdt(); }
  schemeSvg(): string { return this.core.schemeSvg(); }
  printedPages(): string[] { return this.core.printedPages(); }
  dxf(): Uint8Array { return this.core.dxf(); }
  openSettlementWindow(): { notice: string; view: SettlementView } {
    return JSON.parse(this.core.openSettlementWindow());
  }
  calculateSettlement(): { view: SettlementView; badCells: BadCell[]; message: string } {
    return JSON.parse(this.core.calculateSettlement());
  }
  settlementEdited(inputs: SettlementInputs): { hint: ReportLine[] } {
    return JSON.parse(this.core.settlementEdited(inputs));
  }
  settlementPictureSvg(width: number, height: number): string {
    return this.core.settlementPictureSvg(width, height);
  }
  settlementPageSvg(): string { return this.core.settlementPageSvg(); }
  loadTable(name: string, bytes: Uint8Array): FileResult { return this.core.loadTable(name, bytes); }
}

// Loads fundis.js and fundis.wasm from beside the page.
export async function loadProject(): Promise<Project> {
  const url = new URL('fundis.js', document.baseURI).href;
  const imported = (await import(/* @vite-ignore */ url)) as { default: () => Promise<CoreModule> };
  const module = await imported.default();
  return new Project(new module.WebProject('/tables', '/examples'), module);
}
