#pragma once

#include "cli/CliCommand.h"

#include <functional>

namespace korbelant {

// A command whose work is one function; the command groups register these.
class FunctionCommand : public CliCommand
{
public:
    using Body = std::function<int(CliContext&, const QStringList&)>;

    FunctionCommand(QString name, QString usage, bool needsHome, Body body)
        : m_name(std::move(name)), m_usage(std::move(usage)), m_needsHome(needsHome), m_body(std::move(body))
    {
    }

    QString name() const override { return m_name; }
    QString usage() const override { return m_usage; }
    bool needsHome() const override { return m_needsHome; }
    int run(CliContext& context, const QStringList& args) override { return m_body(context, args); }

private:
    QString m_name;
    QString m_usage;
    bool m_needsHome;
    Body m_body;
};

} // namespace korbelant
