#pragma once

#include <QStringList>

namespace korbelant {

// Word lists for the synthetic data sets: German first names, surnames, streets, places with
// their postcodes, and the parts of article names of a household-goods catalogue.
struct BenchNames
{
    static const QStringList& firstNames();
    static const QStringList& surnames();
    static const QStringList& streets();
    static const QStringList& places(); // "PLZ Ort"
    static const QStringList& products();
    static const QStringList& sizes();
    static const QStringList& colours();
};

} // namespace korbelant
