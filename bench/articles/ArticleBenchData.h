#pragma once

namespace korbelant {

class Database;

// Synthetic catalogues for the article timings and the tests that check the article module and
// window on a catalogue of that size; the same for every run.

// "A000000", "A000001", …: kinds 10, 20, 30, 38 and 91 in turn, texts
// "Artikel <n mod 977> Schüssel <n>", every third article inactive, every eleventh new, every
// thirteenth removed, every seventeenth with two in stock.
void fillBenchArticles(Database& db, int articles);

// "X000000", "X000001", …: kinds 20 and 10 in turn, texts "Artikel <n>", prices n / 10, every
// third article inactive.
void fillBenchWindowArticles(Database& db, int articles);

} // namespace korbelant
