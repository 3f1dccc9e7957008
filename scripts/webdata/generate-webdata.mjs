// SPDX-License-Identifier: GPL-3.0-or-later
// Writes src/core/web/htmlelements_data.cpp, the program's one table of HTML
// elements and attributes, from kept npm data packages and our own Japanese
// notes (notes-ja.txt beside this script).
//
//   cd scripts/webdata && npm install && node generate-webdata.mjs
//
// The build never runs this: the generated file is committed.
import fs from 'node:fs';
import path from 'node:path';
import url from 'node:url';

const here = path.dirname(url.fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const modules = process.env.WEBDATA_MODULES ?? path.join(here, 'node_modules');
const output = path.join(root, 'src/core/web/htmlelements_data.cpp');

function packageInfo(name) {
    const json = JSON.parse(fs.readFileSync(path.join(modules, name, 'package.json'), 'utf8'));
    return {name: json.name, version: json.version, license: json.license};
}
const readJson = (...parts) => JSON.parse(fs.readFileSync(path.join(modules, ...parts), 'utf8'));

const sources = [
    packageInfo('@webref/elements'),
    packageInfo('html-element-attributes'),
    packageInfo('@vscode/web-custom-data'),
];
const webref = readJson('@webref/elements', 'html.json').elements;
const {htmlElementAttributes} = await import(url.pathToFileURL(path.join(modules, 'html-element-attributes', 'index.js')));
const vscode = readJson('@vscode/web-custom-data', 'data', 'browsers.html-data.json');

// Elements that never have content or an end tag, as the parser treats them.
const voidElements = new Set(['area', 'base', 'basefont', 'bgsound', 'br', 'col', 'embed', 'frame', 'hr', 'img',
                              'input', 'keygen', 'link', 'meta', 'param', 'source', 'track', 'wbr']);

// ---- our notes ---------------------------------------------------------
// notes-ja.txt, one entry a line, key TAB text:
//   el                 what the element is for
//   @attr              what the attribute is for, on any element
//   el,el@attr         … on these elements (before the general one)
//   !el / !el,el@attr  obsolete: what to write instead
//   =el@attr / =@attr  the enumerated keywords, blank-separated (replaces the package's)
//   ~el@attr / ~@attr  a boolean attribute the packages do not mark
const notes = {element: new Map(), attribute: new Map(), elementInstead: new Map(), attributeInstead: new Map(),
               values: new Map(), booleans: new Set()};
const noteFile = path.join(here, 'notes-ja.txt');
fs.readFileSync(noteFile, 'utf8').split('\n').forEach((line, index) => {
    if (!line.trim() || line.startsWith('#'))
        return;
    const tab = line.indexOf('\t');
    let key = tab < 0 ? line.trim() : line.slice(0, tab);
    const text = tab < 0 ? '' : line.slice(tab + 1).trim();
    const where = `${noteFile}:${index + 1}`;
    const mark = '!=~'.includes(key[0]) ? key[0] : '';
    if (mark)
        key = key.slice(1);
    const at = key.indexOf('@');
    const elements = at < 0 ? key.split(',') : at === 0 ? ['*'] : key.slice(0, at).split(',');
    const attribute = at < 0 ? null : key.slice(at + 1);
    for (const element of elements) {
        const id = attribute === null ? element : `${element}@${attribute}`;
        if (mark === '~') { notes.booleans.add(id); continue; }
        if (!text) throw new Error(`${where}: no text`);
        if (mark === '=') notes.values.set(id, text.split(/\s+/));
        else if (mark === '!') (attribute === null ? notes.elementInstead : notes.attributeInstead).set(id, text);
        else (attribute === null ? notes.element : notes.attribute).set(id, text);
    }
});

// ---- the packages' data --------------------------------------------------
const vscodeValueSets = new Map(vscode.valueSets.map(set => [set.name, set.values.map(v => v.name)]));
function vscodeAttribute(attribute) {
    if (attribute.valueSet === 'v')
        return {boolean: true, values: []};
    const values = attribute.values ? attribute.values.map(v => v.name)
                 : attribute.valueSet ? vscodeValueSets.get(attribute.valueSet) ?? [] : [];
    return {boolean: false, values};
}
const vscodeTags = new Map(vscode.tags.map(tag => [tag.name, new Map(tag.attributes.map(a => [a.name, vscodeAttribute(a)]))]));
const vscodeGlobals = new Map(vscode.globalAttributes.map(a => [a.name, vscodeAttribute(a)]));

const elementNames = webref.map(e => e.name);
const known = new Set(elementNames);

// The global attributes: the package's list, the ARIA role and states, and the event handlers.
const globalNames = new Set(htmlElementAttributes['*']);
for (const name of vscodeGlobals.keys()) {
    if (name === 'role' || name.startsWith('aria-') || name.startsWith('on'))
        globalNames.add(name);
}

function attributeRow(element, name, fromVscode) {
    const id = `${element}@${name}`;
    const general = `*@${name}`;
    const data = fromVscode ?? {boolean: false, values: []};
    const values = notes.values.get(id) ?? (element === '*' ? undefined : notes.values.get(general)) ?? data.values;
    return {
        name,
        explanation: notes.attribute.get(id) ?? notes.attribute.get(general) ?? '',
        instead: notes.attributeInstead.get(id) ?? '',
        values: data.boolean && !notes.values.has(id) && !notes.values.has(general) ? [] : values,
        boolean: notes.booleans.has(id) || notes.booleans.has(general) || data.boolean,
        obsolete: notes.attributeInstead.has(id),
    };
}

const globals = [...globalNames].sort().map(name => attributeRow('*', name, vscodeGlobals.get(name)));

const elements = [...elementNames].sort().map(name => {
    const own = new Set(htmlElementAttributes[name] ?? []);
    if (name === 'body') {
        // The window's event handlers are written on body.
        for (const attribute of vscodeTags.get('body')?.keys() ?? []) {
            if (attribute.startsWith('on') && !globalNames.has(attribute))
                own.add(attribute);
        }
    }
    for (const id of notes.attributeInstead.keys()) {
        const [element, attribute] = id.split('@');
        if (element === name)
            own.add(attribute);
    }
    const fromWebref = webref.find(e => e.name === name);
    const obsolete = Boolean(fromWebref.obsolete);
    if (obsolete && !notes.elementInstead.has(name))
        throw new Error(`obsolete element ${name} has no "!${name}" note saying what to write instead`);
    return {
        name,
        explanation: notes.element.get(name) ?? '',
        instead: notes.elementInstead.get(name) ?? '',
        isVoid: voidElements.has(name),
        obsolete,
        attributes: [...own].sort().map(a => attributeRow(name, a, vscodeTags.get(name)?.get(a) ?? vscodeGlobals.get(a))),
    };
});

// Every note must name something the table holds: a typo would silently explain nothing.
const unknown = [];
for (const id of [...notes.element.keys(), ...notes.elementInstead.keys()]) {
    if (!known.has(id)) unknown.push(id);
}
for (const id of [...notes.attribute.keys(), ...notes.values.keys(), ...notes.booleans]) {
    const [element, attribute] = id.split('@');
    const holder = element === '*' ? null : elements.find(e => e.name === element);
    const found = element === '*'
        ? globalNames.has(attribute) || elements.some(e => e.attributes.some(a => a.name === attribute))
        : holder && (holder.attributes.some(a => a.name === attribute) || globalNames.has(attribute));
    if (!found) unknown.push(id);
}
if (unknown.length)
    throw new Error(`notes-ja.txt names what the data does not have: ${unknown.join(' ')}`);

// ---- the C++ -------------------------------------------------------------
const literal = text => `u"${text.replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;
const identifier = text => text.replace(/[^A-Za-z0-9]/g, '_');
const lines = [];
const out = line => lines.push(line);

out('// SPDX-License-Identifier: GPL-3.0-or-later');
out('// Generated by scripts/webdata/generate-webdata.mjs: do not edit, run the script.');
out('// Data from these npm packages (elements, attributes, keywords), under their licences:');
for (const s of sources)
    out(`//   ${s.name} ${s.version} (${s.license})`);
out('// The Japanese explanations and what to write instead of obsolete markup');
out('// are this program\'s own (scripts/webdata/notes-ja.txt).');
out('#include "core/web/htmlelements.h"');
out('');
out('namespace WebData::Generated {');
out('namespace {');
out('');

function valuesArray(prefix, rows) {
    for (const row of rows) {
        if (row.values.length)
            out(`constexpr QStringView ${prefix}_${identifier(row.name)}_values[] = {${row.values.map(literal).join(', ')}};`);
    }
}
function attributeArray(name, prefix, rows) {
    valuesArray(prefix, rows);
    out(`constexpr AttributeInfo ${name}[] = {`);
    for (const row of rows) {
        const values = row.values.length ? `${prefix}_${identifier(row.name)}_values` : '{}';
        out(`    {${literal(row.name)}, ${literal(row.explanation)}, ${literal(row.instead)}, ${values}, ${row.boolean}, ${row.obsolete}},`);
    }
    out('};');
}

attributeArray('globalRows', 'g', globals);
out('');
for (const element of elements) {
    if (element.attributes.length)
        attributeArray(`${identifier(element.name)}_attributes`, `e_${identifier(element.name)}`, element.attributes);
}
out('');
out('constexpr ElementInfo elementRows[] = {');
for (const e of elements) {
    const attributes = e.attributes.length ? `${identifier(e.name)}_attributes` : '{}';
    out(`    {${literal(e.name)}, ${literal(e.explanation)}, ${literal(e.instead)}, ${attributes}, ${e.isVoid}, ${e.obsolete}},`);
}
out('};');
out('');
out('constexpr DataSource sourceRows[] = {');
for (const s of sources)
    out(`    {${literal(s.name)}, ${literal(s.version)}, ${literal(s.license)}},`);
out('};');
out('');
out('} // namespace');
out('');
out('std::span<const ElementInfo> elements() { return elementRows; }');
out('std::span<const AttributeInfo> globalAttributes() { return globalRows; }');
out('std::span<const DataSource> sources() { return sourceRows; }');
out('');
out('} // namespace WebData::Generated');

fs.mkdirSync(path.dirname(output), {recursive: true});
fs.writeFileSync(output, lines.join('\n') + '\n');
const missing = elements.filter(e => !e.obsolete && !e.explanation).map(e => e.name);
console.log(`wrote ${path.relative(root, output)}: ${elements.length} elements, ${globals.length} global attributes`);
if (missing.length)
    console.log(`elements without a Japanese explanation: ${missing.join(' ')}`);
