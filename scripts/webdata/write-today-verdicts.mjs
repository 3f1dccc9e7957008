// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the Nu Html Checker's report on the pages write_today_pages wrote into
// the table tst_todaycatalogue reads (see check-today-catalogue.sh).
import fs from 'node:fs';
import path from 'node:path';

const [pages, modules, output] = process.argv.slice(2);
const index = JSON.parse(fs.readFileSync(path.join(pages, 'index.json'), 'utf8'));
const vnu = JSON.parse(fs.readFileSync(path.join(modules, 'vnu-jar', 'package.json'), 'utf8'));
const errors = new Map();
for (const line of fs.readFileSync(path.join(pages, 'errors.txt'), 'utf8').split('\n')) {
    const m = line.match(/\/(\d+\.html)":\S* error: (.*)$/);
    if (m) errors.set(m[1], [...(errors.get(m[1]) ?? []), m[2]]);
}
const literal = text => 'u"' + text.replace(/\\/g, '\\\\').replace(/"/g, '\\"').replace(/\r/g, '\\r').replace(/\n/g, '\\n') + '"';
const lines = [
    '// SPDX-License-Identifier: GPL-3.0-or-later',
    '// Written by scripts/webdata/check-today-catalogue.sh: do not edit, run the script.',
    `// The verdicts of the W3C Nu Html Checker (vnu-jar ${vnu.version}, --errors-only) on each`,
    '// combination of the 今の HTML catalogue, its empty values filled as write_today_pages',
    '// fills them: kind, tagu, combination (todaycombinations.h), the markup checked, errors.',
    `constexpr QStringView checkerVersion = u"vnu-jar ${vnu.version}";`,
    'constexpr Verdict verdicts[] = {',
];
let failed = 0;
for (const row of index) {
    const found = errors.get(row.file) ?? [];
    failed += found.length > 0;
    for (const error of found)
        console.log(`${row.category} / ${row.label} / ${row.combination}: ${error}`);
    lines.push(`    {${row.kind}, ${row.tagu}, ${literal(row.combination)}, ${literal(row.markup)}, ${found.length}},`);
}
lines.push('};', '');
fs.writeFileSync(output, lines.join('\n'));
console.log(`${index.length} combinations checked, ${failed} with errors; wrote ${output}`);
