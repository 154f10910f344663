#include "notes_wrap.h"

#include <QTextBoundaryFinder>

QTextOption::WrapMode notesWrapMode(const QString& text) {
    if (text.size() > kLongestWordWrappedRun) {
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
        qsizetype previous = 0;
        for (qsizetype next = breaks.toNextBoundary(); next >= 0; next = breaks.toNextBoundary()) {
            if (next - previous > kLongestWordWrappedRun) {
                return QTextOption::WrapAnywhere;
            }
            previous = next;
        }
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}
