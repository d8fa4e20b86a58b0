#include "customers/ContactFlags.h"

namespace korbelant {

const QList<ContactFlags::Flag>& ContactFlags::all()
{
    static const QList<Flag> flags{{QStringLiteral("B_WARINBZH"), QStringLiteral("CheckBox_WARINBZH"),
                                    QStringLiteral("war in der BZH (allgemein)")},
                                   {QStringLiteral("BI_BZH_KV"), QStringLiteral("CheckBox_BZHEINLADENKV"),
                                    QStringLiteral("einladen zur Kochvorführung in der BZH")},
                                   {QStringLiteral("B_WARBZHKV"), QStringLiteral("CheckBox_BZHWARKV"),
                                    QStringLiteral("war bei einer Kochvorführung in der BZH")},
                                   {QStringLiteral("BI_BZH_VERAN"), QStringLiteral("CheckBox_BZHEINLADEN"),
                                    QStringLiteral("einladen zu einer Veranstaltung in der BZH")}};
    return flags;
}

} // namespace korbelant
