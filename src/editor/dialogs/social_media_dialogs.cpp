#include "editor/dialogs/social_media_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/rules/options_rules.h"

namespace orv::editor {

namespace {

QString showLogoCaption(int network)
{
    switch (network) {
    case 0: return QObject::tr("Add Facebook logotype and hyperlink to the menu");
    case 1: return QObject::tr("Add Twitter logotype and hyperlink to the menu");
    case 2: return QObject::tr("Add Google Plus logotype and hyperlink to the menu");
    case 3: return QObject::tr("Add YouTube logotype and hyperlink to the menu");
    case 4: return QObject::tr("Add LinkedIn logotype and hyperlink to the menu");
    case 5: return QObject::tr("Add Pinterest logotype and hyperlink to the menu");
    default: return QObject::tr("Add Instagram logotype and hyperlink to the menu");
    }
}

}  // namespace

SocialMediaTipDialog::SocialMediaTipDialog(int network, const QString& tipText, QWidget* parent)
    : QDialog(parent), network_(network)
{
    setObjectName("SocialMediaTipDialog");
    setWindowTitle(trText(TipTextDialogCaption(network)));

    tipText_ = new QLineEdit(tipText, this);
    WatchText(tipText_, TextKind::Text);
    tipText_->setObjectName("tTipText");
    tipText_->setMinimumWidth(360);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* defaultText = buttons->addButton(tr("&Default Text"), QDialogButtonBox::ResetRole);
    connect(defaultText, &QPushButton::clicked, this, &SocialMediaTipDialog::restoreDefaultText);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tip text shown when the mouse is over the logotype:"), this));
    layout->addWidget(tipText_);
    layout->addSpacing(6);
    layout->addWidget(buttons);
}

QString SocialMediaTipDialog::tipText() const { return tipText_->text(); }

void SocialMediaTipDialog::restoreDefaultText()
{
    if (network_ >= 0 && network_ < SocialNetworks)
        tipText_->setText(trText(DefaultSocialTipTexts[network_]));
}

std::optional<QString> SocialMediaTipDialog::editTipText(int network, const QString& tipText, QWidget* parent)
{
    SocialMediaTipDialog dialog(network, tipText, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.tipText();
}

SocialMediaRow::SocialMediaRow(int network, const SocialMediaOption& value, QWidget* parent, QGridLayout* grid,
                               int row)
    : QObject(parent), network_(network), parentWidget_(parent), tipText_(qs(value.TipText))
{
    showLogo_ = new QCheckBox(showLogoCaption(network), parent);
    showLogo_->setChecked(value.ShowLogo != 0);
    url_ = new QLineEdit(qs(value.URL), parent);
    WatchText(url_, TextKind::CodePageText);
    url_->setPlaceholderText(tr("https://"));
    tip_ = new QPushButton(tr("Tip Text..."), parent);
    connect(tip_, &QPushButton::clicked, this, [this] {
        if (auto text = SocialMediaTipDialog::editTipText(network_, tipText_, parentWidget_))
            tipText_ = *text;
    });
    connect(showLogo_, &QCheckBox::toggled, this, &SocialMediaRow::updateEnabling);

    grid->addWidget(showLogo_, row, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Link (URL):"), parent), row + 1, 0);
    grid->addWidget(url_, row + 1, 1);
    grid->addWidget(tip_, row + 1, 2);
    updateEnabling();
}

SocialMediaOption SocialMediaRow::value() const
{
    SocialMediaOption v;
    v.ShowLogo = showLogo_->isChecked() ? 1 : 0;
    v.URL = ss(url_->text().trimmed());
    v.TipText = ss(tipText_);
    return v;
}

void SocialMediaRow::updateEnabling()
{
    url_->setEnabled(showLogo_->isChecked());
    tip_->setEnabled(showLogo_->isChecked());
}

MoreSocialMediaDialog::MoreSocialMediaDialog(const Values& values, QWidget* parent) : QDialog(parent), values_(values)
{
    setObjectName("MoreSocialMediaDialog");
    setWindowTitle(tr("More Social Media"));

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(6);
    int row = 0;
    for (int n = SocialNetworksOnOptionsDialog; n < SocialNetworks; ++n) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 8);
        rows_[n] = new SocialMediaRow(n, values[n], this, grid, row);
        row += 2;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::OptionsSocialMedia); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeNote(tr("Below you can add more logotypes for social media in your menu."), this));
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

MoreSocialMediaDialog::Values MoreSocialMediaDialog::values() const
{
    Values v = values_;
    for (int n = SocialNetworksOnOptionsDialog; n < SocialNetworks; ++n)
        v[n] = rows_[n]->value();
    return v;
}

SocialMediaRow* MoreSocialMediaDialog::row(int network) const
{
    return network >= 0 && network < SocialNetworks ? rows_[network] : nullptr;
}

}  // namespace orv::editor
