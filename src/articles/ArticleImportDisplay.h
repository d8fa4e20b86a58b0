#pragma once

#include "articles/ArticleImportFigures.h"

namespace korbelant {

// The info window of the article import. The import tells it when to appear, every change of
// state and figures, and each step of its work, so that the window can advance its progress bar
// and keep the program responsive. The default display shows nothing.
class ArticleImportDisplay
{
public:
    virtual ~ArticleImportDisplay() = default;

    // The import has passed its checks and starts to change data.
    virtual void open(const ArticleImportFigures& figures) { (void)figures; }
    virtual void update(const ArticleImportFigures& figures) { (void)figures; }
    // A step of the work (a batch of rows); figures read and removed are current.
    virtual void step(const ArticleImportFigures& figures) { (void)figures; }
    // The import has ended, whatever its outcome.
    virtual void finish(const ArticleImportFigures& figures) { (void)figures; }
};

} // namespace korbelant
