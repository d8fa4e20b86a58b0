#include "articles/NamedParams.h"

#include "core/Statement.h"

namespace korbelant {

void NamedParams::bind(Statement& st, const QVariantMap& params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        st.bind(QLatin1Char(':') + it.key(), it.value());
}

} // namespace korbelant
