// The exports of the table window: the window's run, then the text for the
// clipboard (tab-separated) or for a file (padded, written whole or not at
// all), written from the same rows.
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <filesystem>

#include "files/file_writer.h"
#include "ui/form/form_fields.h"
#include "ui/form/message_sink.h"
#include "languages/translated_texts.h"
#include "ui/table/ephemeris_table.h"

namespace tarvel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CEphemerisTable", text);
}

}  // namespace

QString CEphemerisTable::FileNameFromDialog(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Text file (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // Overwriting an existing file is confirmed first (the dialog's default).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

void CEphemerisTable::CopyTableToClipboard() {
    if (runner_->IsRunning()) {
        return;
    }
    RunWindow([this](TableRunStatus status) {
        if (status == TableRunStatus::FractionalStep) {
            // The clipboard is emptied before the step is checked.
            QGuiApplication::clipboard()->clear();
        }
        if (status != TableRunStatus::Ok) {
            Finish();
            return;
        }
        TableParameters parameters = parameters_;
        ReadPickers(parameters);
        QGuiApplication::clipboard()->clear();
        StartRun(parameters, TableTarget::Clipboard, [this](const TableRunResult& result) {
            if (result.status == TableRunStatus::Ok) {
                QGuiApplication::clipboard()->setText(QString::fromStdString(result.text));
                ReportRowErrors(result, TableTarget::Clipboard);
            }
            Finish();
        });
    });
}

void CEphemerisTable::SaveTableToFile() {
    if (runner_->IsRunning()) {
        return;
    }
    RunWindow([this](TableRunStatus status) {
        if (status != TableRunStatus::Ok) {
            Finish();
            return;
        }
        TableParameters parameters = parameters_;
        ReadPickers(parameters);
        const QString fileName = fileNameChooser_(this);
        if (fileName.isEmpty()) {
            Finish();
            return;
        }
        StartRun(parameters, TableTarget::File, [this, fileName](const TableRunResult& result) {
            if (result.status == TableRunStatus::Ok) {
                ReportRowErrors(result, TableTarget::File);
                const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
                const std::string error = WriteFileAtomically(
                    path, result.text,
                    Translated(QT_TRANSLATE_NOOP("CEphemerisTable", "Impossibile salvare %1: %2"))
                        .toStdString());
                if (!error.empty()) {
                    sink_->ShowMessage(this, QString::fromStdString(error), FormMessageCaption(),
                                       QMessageBox::Warning);
                }
            }
            Finish();
        });
    });
}

}  // namespace tarvel
