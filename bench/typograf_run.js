// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the typograf package on a whole file, the way a user would run it on a text they
// want typeset for Russian: locale "ru", the package's default rules. Writes the result to
// standard output. Used by compare.sh beside skorlin-cli format and html.
//
//   node bench/typograf_run.js FILE
'use strict';

const fs = require('fs');
const Typograf = require('typograf');

const file = process.argv[2];
if (!file) {
  process.stderr.write('usage: node typograf_run.js FILE\n');
  process.exit(2);
}
const text = fs.readFileSync(file, 'utf8');
const typograf = new Typograf({ locale: ['ru'] });
process.stdout.write(typograf.execute(text));
