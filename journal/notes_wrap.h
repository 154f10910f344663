#pragma once

#include <QString>
#include <QTextOption>

/// The longest run of text without a line-break opportunity that the notes box wraps at word
/// boundaries. Qt's word wrapping looks for the end of such a run again for every line it makes, so
/// its cost grows with the square of the run's length: a 1 MB line took about a minute to lay out.
inline constexpr qsizetype kLongestWordWrappedRun = 2000;

/// How the notes box wraps a text: at word boundaries, or anywhere when the text holds a run longer
/// than kLongestWordWrappedRun without a break opportunity (Unicode line breaking, as Qt lays out
/// text: blanks, hyphens, ideographs break; a no-break space does not).
QTextOption::WrapMode notesWrapMode(const QString& text);
