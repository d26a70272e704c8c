#include "workbench/ui/skincheckwindow.h"

#include "common/core/textconversion.h"
#include "workbench/core/skinfindings.h"
#include "workbench/ui/windowtexts.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace tessel {
namespace {

QStyle::StandardPixmap levelIcon(skincheck::Level level)
{
    switch (level) {
    case skincheck::Level::Error: return QStyle::SP_MessageBoxCritical;
    case skincheck::Level::Warning: return QStyle::SP_MessageBoxWarning;
    case skincheck::Level::Note: break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

SkinCheckWindow::SkinCheckWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SkinCheckWindow"));
    setFont(textFont());
    resize(620, 300);
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_findings = new QTreeWidget(this);
    m_findings->setObjectName(QStringLiteral("lstFindings"));
    m_findings->setHeaderLabels({QStringLiteral("Level"), QStringLiteral("File"), QStringLiteral("Finding")});
    m_findings->setRootIsDecorated(false);
    m_findings->setWordWrap(true);
    m_findings->setUniformRowHeights(false);
    m_findings->setToolTip(QStringLiteral("Double-click a finding to select the colour entry or polygon it names"));
    m_findings->header()->setStretchLastSection(true);
    m_findings->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_findings->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(m_summary);
    layout->addWidget(m_findings);
    connect(m_findings, &QTreeWidget::itemActivated, this, &SkinCheckWindow::rowActivated);
}

void SkinCheckWindow::showReport(const skincheck::SkinReport& report, const QString& skinName)
{
    m_report = report;
    setWindowTitle(QStringLiteral("Check Skin - ") + skinName);
    m_summary->setText(skinName + QStringLiteral(": ") + findingsSummary(report));
    m_findings->clear();
    std::vector<size_t> order(report.findings.size());
    std::iota(order.begin(), order.end(), size_t {0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return report.findings[a].level > report.findings[b].level; });
    for (const size_t i : order) {
        const skincheck::Finding& finding = report.findings[i];
        auto* row = new QTreeWidgetItem(m_findings, {kit::toQString(skincheck::levelName(finding.level)),
                                                     kit::toQString(finding.file), kit::toQString(finding.reason)});
        row->setIcon(0, style()->standardIcon(levelIcon(finding.level)));
        row->setToolTip(2, kit::toQString(finding.reason));
        row->setData(0, Qt::UserRole, qulonglong(i));
    }
    if (m_findings->topLevelItemCount() > 0)
        m_findings->setCurrentItem(m_findings->topLevelItem(0));
}

void SkinCheckWindow::rowActivated(QTreeWidgetItem* row)
{
    const auto index = size_t(row->data(0, Qt::UserRole).toULongLong());
    if (index < m_report.findings.size())
        emit findingActivated(m_report.findings[index]);
}

} // namespace tessel
