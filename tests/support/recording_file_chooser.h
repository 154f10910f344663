#pragma once

#include "file_chooser.h"

#include <QList>
#include <QString>

/// A file choice that never opens a dialog: it remembers each request and answers with `answer` (empty:
/// the user cancelled).
class RecordingFileChooser final : public FileChooser {
public:
    QString saveFileName(QWidget*, const SaveRequest& request) override {
        requests.append(request);
        return answer;
    }

    QList<SaveRequest> requests;
    QString answer;
};
