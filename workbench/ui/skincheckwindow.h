#pragma once

#include "skin_checker/core/findings.h"

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessel {

// "Check Skin": what the skin checker found in the skin open, one row a
// finding with its level, its file and its reason, errors first, then
// warnings, then notes, each in the order the checker found them. Double-clicking a row (or Enter on it) hands its finding on, so
// that the main window can select what it names.
class SkinCheckWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SkinCheckWindow(QWidget* parent = nullptr);

    // Shows `report` on the skin called `skinName`.
    void showReport(const skincheck::SkinReport& report, const QString& skinName);

signals:
    void findingActivated(const skincheck::Finding& finding);

private:
    void rowActivated(QTreeWidgetItem* row);

    QLabel* m_summary;
    QTreeWidget* m_findings;
    skincheck::SkinReport m_report;
};

} // namespace tessel
