// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mastersettings.h"

#include "app/profilesettings.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>

namespace {

constexpr char kSection[] = "Masters";
constexpr char kServers[] = "Servers";
constexpr char kAnswered[] = "Answered";

bool g_commandLineMasters = false;

QString MasterText(const MasterEndpoint& master) {
    return QString::fromStdString(master.host) + ":" + QString::number(master.port);
}

// The masters of the texts that ParseMasterOption takes, in order.
std::vector<MasterEndpoint> ParseMasters(const QStringList& texts) {
    std::vector<MasterEndpoint> masters;
    for (const QString& text : texts) {
        if (const auto master = ParseMasterOption(text.trimmed().toStdString())) {
            masters.push_back(*master);
        }
    }
    return masters;
}

}  // namespace

void UseCommandLineMasters(std::vector<MasterEndpoint> masters) {
    g_commandLineMasters = true;
    SetMasterServers(std::move(masters));
}

void ApplyMasterSettings() {
    if (g_commandLineMasters) {
        return;
    }
    CProfileSettings settings;
    settings.beginGroup(kSection);
    std::vector<MasterEndpoint> masters = ParseMasters(settings.value(kServers).toStringList());
    if (masters.empty()) {
        masters.push_back({kDefaultMasterHost, kDefaultMasterPort});
    }
    SetMasterServers(std::move(masters));
    if (const auto answered =
            ParseMasterOption(settings.value(kAnswered).toString().toStdString())) {
        PutMasterFirst(*answered);
    }
}

void RememberAnsweredMaster() {
    if (!g_commandLineMasters) {
        CProfileSettings settings;
        settings.beginGroup(kSection);
        settings.setValue(kAnswered, MasterText(MasterServer()));
    }
}

CMasterListEdit* CMasterListEdit::AddTo(QFormLayout& layout, QDialog& dialog) {
    auto* problem = new QLabel(&dialog);
    auto* edit = new CMasterListEdit(&dialog, problem);
    edit->setToolTip(tr("One HOST[:PORT] a line, tried in order until one gives its list."));
    layout.addRow(tr("Master servers:"), edit);
    layout.addRow(problem);
    connect(&dialog, &QDialog::accepted, edit, &CMasterListEdit::Save);
    return edit;
}

CMasterListEdit::CMasterListEdit(QWidget* parent, QLabel* problem)
    : QPlainTextEdit(parent), m_problem(problem) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    QStringList texts;
    for (const MasterEndpoint& master : ParseMasters(settings.value(kServers).toStringList())) {
        texts << MasterText(master);
    }
    setPlainText(texts.isEmpty() ? MasterText({kDefaultMasterHost, kDefaultMasterPort})
                                 : texts.join('\n'));
    setTabChangesFocus(true);
    setMaximumHeight(fontMetrics().lineSpacing() * 6);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();
    connect(this, &QPlainTextEdit::textChanged, this, &CMasterListEdit::ShowProblem);
}

std::vector<MasterEndpoint> CMasterListEdit::Masters() const {
    return ParseMasters(toPlainText().split('\n'));
}

void CMasterListEdit::ShowProblem() {
    const QStringList lines = toPlainText().split('\n');
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty() && !ParseMasterOption(line.trimmed().toStdString())) {
            m_problem->setText(tr("Not HOST[:PORT], will not be kept: %1").arg(line.trimmed()));
            m_problem->show();
            return;
        }
    }
    m_problem->hide();
}

void CMasterListEdit::Save() const {
    QStringList texts;
    for (const MasterEndpoint& master : Masters()) {
        texts << MasterText(master);
    }
    {
        CProfileSettings settings;
        settings.beginGroup(kSection);
        if (texts.isEmpty()) {
            settings.remove(kServers);
        } else {
            settings.setValue(kServers, texts);
        }
    }
    ApplyMasterSettings();
}
