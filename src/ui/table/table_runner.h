// Runs of the ephemeris table away from the user-interface thread: one worker
// thread at a time computes the rows (on every core) and writes the text for
// its target; progress and the result reach the owner on its own thread. The
// rows of the last computation are kept with their parameters, so a run for
// the same parameters writes its text without computing again. A result that
// arrives after a newer run started, or after Stop, is dropped.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

#include "astro/solar_computation.h"
#include "table/table_layout.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_run.h"
#include "table/table_texts.h"

namespace tarvel {

class TableRunner : public QObject {
    Q_OBJECT
  public:
    using Finished = std::function<void(const TableRunResult&)>;

    explicit TableRunner(QObject* parent = nullptr);
    // Stops a run in progress and waits for its threads.
    ~TableRunner() override;

    // Replaces the computation of one row (empty: CalcSolarParameters) and
    // forgets the rows kept so far.
    void SetRowComputation(std::function<SolarResult(const SolarRequest&)> compute);

    // Starts computing the table for target (a run in progress is stopped
    // first, its result dropped). The text is written with the user's
    // locale as the command-line tool writes it. finished gets the result on
    // the owner's thread, after the worker has ended.
    void Start(const TableParameters& parameters, const TableColumnSet& options,
               const TableTexts& texts, TableTarget target, Finished finished);
    // Asks the run in progress to stop: it finishes as Cancelled.
    void Cancel();
    // Stops the run in progress and waits for it; its result is dropped.
    void Stop();
    bool IsRunning() const { return running_; }

  Q_SIGNALS:
    // Rows done so far of the run in progress.
    void progress(int done, int count);

  private:
    void OnProgress(unsigned generation, int done, int count);
    void OnFinished(unsigned generation, const std::shared_ptr<TableRunResult>& result,
                    const Finished& finished);
    void Join();

    std::function<SolarResult(const SolarRequest&)> rowComputation_;
    TableRowStore rowStore_;
    std::jthread worker_;
    bool running_ = false;
    unsigned generation_ = 0;
};

}  // namespace tarvel
