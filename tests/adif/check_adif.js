// Reads the ADIF export of a log with an independent parser and checks every field of every QSO
// against the log's own columns. Usage: node check_adif.js LOG ADIF
'use strict';
const fs = require('fs');
const assert = require('assert');
const { AdifParser } = require('adif-parser-ts');

// One byte is one character in both files (Windows-1252); latin1 keeps the byte count.
const read = (path) => fs.readFileSync(path, 'latin1');
const [logPath, adifPath] = process.argv.slice(2);
const logLines = read(logPath).split('\r\n');
logLines.pop(); // the text after the last line end
const adif = read(adifPath);

const bands = {
  '1.8 Mhz': '160m', '3.5 Mhz': '80m', '5.0 Mhz': '60m', '7.0 Mhz': '40m', '14 Mhz': '20m',
  '21 Mhz': '15m', '28 Mhz': '10m', '144 Mhz': '2m', '432 Mhz': '70cm',
};
const column = (line, first, width) => line.substr(first - 1, width).replace(/^ +| +$/g, '');

function expectedRecord(line) {
  const date = column(line, 41, 8);
  const time = column(line, 50, 5);
  return {
    call: column(line, 1, 12),
    state: column(line, 14, 4),
    name: column(line, 19, 15),
    band: bands[column(line, 60, 7)] || '',
    mode: column(line, 56, 3),
    qso_date: '20' + date.slice(-2) + date.substr(3, 2) + date.substr(0, 2),
    time_on: time.substr(0, 2) + time.slice(-2),
    rst_rcvd: column(line, 68, 3),
    rst_sent: column(line, 72, 3),
    sig: column(line, 35, 5),
    sig_info: column(line, 76, 30),
    qsl_rcvd: line.substr(106, 1) === '*' ? 'Y' : 'N',
  };
}

const parsed = AdifParser.parseAdi(adif);
assert.ok(parsed.header.text.startsWith('Exportation du log de la station F4ABC au format ADIF'));
assert.strictEqual(parsed.records.length, logLines.length, 'one record per log line');
logLines.forEach((line, i) => {
  assert.deepStrictEqual(parsed.records[i], expectedRecord(line), `record ${i + 1}`);
});
console.log(`${parsed.records.length} records read back, every field as in the log`);
