#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli article …: storing an article with the dialog's checks, listing the catalogue
// through the status filter, and asking whether a kind may be booked for an article.
class ArticleCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
