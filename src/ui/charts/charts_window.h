// The charts window: the Sun's path on the date, the paths of the year, the
// analemma, the equation of time and the day and twilights over the year, for
// the main window's inputs and following them as they change; the values
// under the pointer; export as PNG or SVG.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "chart/chart_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace tarvel {

// A chart drawn to the widget's size; the values under the pointer are
// reported through ValueChanged.
class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);
    void SetModel(ChartModel model);
    const ChartModel& Model() const { return model_; }

  signals:
    void ValueChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    ChartModel model_;
};

class ChartsWindow : public QDialog {
    Q_OBJECT
  public:
    // Asks for the name of the file an export writes (QFileDialog by
    // default); an empty name cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggested, const QString& filter)>;

    explicit ChartsWindow(QWidget* parent = nullptr);

    // The inputs of the charts; the chart shown is drawn again for them.
    void SetInputs(const ChartInputs& inputs);
    void ShowChart(ChartKind kind);
    ChartKind Kind() const { return kind_; }
    ChartView* View() const { return view_; }
    QLabel* ValueLabel() const { return valueLabel_; }
    QCheckBox* PrayersBox() const { return prayersBox_; }
    QCheckBox* PolarBox() const { return polarBox_; }
    QTabBar* Tabs() const { return tabs_; }
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

    // Asks for a file and writes the chart shown as PNG or SVG, at the size
    // of the view; false when cancelled or when writing failed (after a
    // message).
    bool Export(bool svg);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Redraw();

    ChartInputs inputs_;
    bool hasInputs_ = false;
    ChartKind kind_ = ChartKind::kSunPath;
    QTabBar* tabs_ = nullptr;
    ChartView* view_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QCheckBox* prayersBox_ = nullptr;
    QCheckBox* polarBox_ = nullptr;
    QPushButton* pngButton_ = nullptr;
    QPushButton* svgButton_ = nullptr;
    FileChooser fileChooser_;
};

// The window's help page, inside a language's help book (F1).
inline constexpr const char* kChartsHelpTopic = "html/grafici.htm";

}  // namespace tarvel
