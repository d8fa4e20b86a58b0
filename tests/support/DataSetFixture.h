#pragma once

#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace korbelant::test {

// A fresh data home with its data set open (database and options) and scripted answers for
// the questions the rules ask.
class DataSetFixture : public ::testing::Test
{
protected:
    DataSetFixture();

    Database& db() { return m_set->db(); }
    Options& options() { return m_set->options(); }
    ScriptedUi& ui() { return m_ui; }

    TempHome m_home;
    std::unique_ptr<DataSet> m_set;
    ScriptedUi m_ui;
};

} // namespace korbelant::test
