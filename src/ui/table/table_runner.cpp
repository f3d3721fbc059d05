#include "ui/table/table_runner.h"

#include <QMetaObject>
#include <exception>

#include "table/table_locale.h"

namespace tarvel {

TableRunner::TableRunner(QObject* parent) : QObject(parent) {}

TableRunner::~TableRunner() {
    Stop();
}

void TableRunner::SetRowComputation(std::function<SolarResult(const SolarRequest&)> compute) {
    rowComputation_ = std::move(compute);
    rowStore_.Clear();
}

void TableRunner::Start(const TableParameters& parameters, const TableColumnSet& options,
                        const TableTexts& texts, TableTarget target, Finished finished) {
    Stop();
    running_ = true;
    const unsigned generation = ++generation_;
    // The C library's separator and short date of the user's locale, as the
    // command-line tool writes them (QLocale's short dates differ: two-digit
    // years, unpadded days).
    const TableLocale locale = TableLocaleFromEnvironment();
    worker_ = std::jthread([this, generation, parameters, options, texts, locale, target,
                            compute = rowComputation_, finished](std::stop_token stop) {
        TableRunControl control;
        control.compute = compute;
        control.stopToken = stop;
        control.progress = [this, generation](int done, int count) {
            QMetaObject::invokeMethod(
                this, [this, generation, done, count] { OnProgress(generation, done, count); },
                Qt::QueuedConnection);
        };
        auto result = std::make_shared<TableRunResult>();
        try {
            // Rows kept for equal parameters are not computed again.
            *result = RunTable(rowStore_, parameters, options, target, locale, texts, control);
        } catch (const std::exception& error) {
            // Only a fault outside the rows ends a run this way.
            result->status = TableRunStatus::Cancelled;
            result->message = error.what();
        } catch (...) {
            result->status = TableRunStatus::Cancelled;
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, result, finished] { OnFinished(generation, result, finished); },
            Qt::QueuedConnection);
    });
}

void TableRunner::OnProgress(unsigned generation, int done, int count) {
    if (generation != generation_ || !running_) return;
    emit progress(done, count);
}

void TableRunner::OnFinished(unsigned generation, const std::shared_ptr<TableRunResult>& result,
                             const Finished& finished) {
    if (generation != generation_ || !running_) return;
    Join();
    finished(*result);
}

void TableRunner::Cancel() {
    if (running_ && worker_.joinable()) worker_.request_stop();
}

void TableRunner::Stop() {
    ++generation_;  // a result still on its way is dropped
    Join();
}

void TableRunner::Join() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
    running_ = false;
}

}  // namespace tarvel
