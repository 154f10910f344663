#pragma once

#include "print_service.h"

/// Pages to the desktop's printers (with the printer choice and a preview) and to PDF files.
class QtPrintService final : public PrintService {
public:
    PrintResult print(const PrintJob& job, QWidget* parent) override;
    PrintResult preview(const PrintJob& job, QWidget* parent) override;
    PrintResult savePdf(const PrintJob& job, QWidget* parent) override;
};
