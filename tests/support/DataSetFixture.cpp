#include "support/DataSetFixture.h"

namespace korbelant::test {

DataSetFixture::DataSetFixture() : m_set(DataSet::open(m_home.home())) {}

} // namespace korbelant::test
