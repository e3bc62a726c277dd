#include "shell/window/menu_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "model/path_helpers.h"
#include "shell/resize_mode.h"
#include "shell/support/program_environment.h"
#include "shell/window/button_style_sheet.h"

namespace orv::shell {

namespace {

constexpr int Margin = 20;
constexpr int ButtonSpacing = 8;
constexpr int WaitTextMilliseconds = 5000;

// The writer doubles an ampersand between blanks so that buttons show it; a label shows
// ampersands as they are, so the doubling is undone there.
QString labelText(const std::string& text)
{
    return toQString(text).replace(QLatin1String("&&"), QLatin1String("&"));
}

Qt::Alignment horizontalAlignment(int alignment)
{
    return alignment == 2 ? Qt::AlignHCenter : alignment == 3 ? Qt::AlignRight : Qt::AlignLeft;
}

QLabel* makeTextLine(const TextLine& line, QWidget* parent)
{
    auto* label = new QLabel(labelText(line.text), parent);
    QFont font = toQFont(line.font);
    if (line.charSpacing > 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, line.charSpacing);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(cssColour(line.colour)));
    label->setAlignment(horizontalAlignment(line.alignment) | Qt::AlignVCenter);
    label->setWordWrap(true);
    if (line.shadow) {
        auto* shadow = new QGraphicsDropShadowEffect(label);
        shadow->setOffset(2, 2);
        shadow->setBlurRadius(0);
        shadow->setColor(QColor(0, 0, 0, 170));
        label->setGraphicsEffect(shadow);
    }
    return label;
}

QColor blendTowards(const QColor& from, const QColor& to, int depthPercent)
{
    const double f = std::clamp(depthPercent, 0, 100) / 100.0;
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * f,
                            from.greenF() + (to.greenF() - from.greenF()) * f,
                            from.blueF() + (to.blueF() - from.blueF()) * f);
}

// The font made smaller, down to 6 points, until the text fits the width: a long caption
// stays readable instead of being cut at both ends.
QFont fittedFont(QFont font, const QString& text, int width)
{
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

}  // namespace

QString menuWindowCaption(const MenuDescription& menu, const ShellArguments& arguments)
{
    QString caption = toQString(menu.caption);
    if (arguments.testRun || arguments.resizeMode)
        caption += QObject::tr(" [Test]");
    return caption;
}

MenuWindow::MenuWindow(MenuDescription menu, std::string menuFile, ShellArguments arguments, QWidget* parent)
    : QWidget(parent), arguments_(std::move(arguments))
{
    const std::string folder = PathDirectoryPart(menuFile);
    menus_.push_back(ShownMenu{std::move(menu), std::move(menuFile), folder});

    if (arguments_.testRun || arguments_.resizeMode) {
        testBadge_ = new QLabel(arguments_.resizeMode ? tr("TEST RUN - RESIZE") : tr("TEST RUN"), this);
        testBadge_->setObjectName(QStringLiteral("testBadge"));
        testBadge_->setStyleSheet(QStringLiteral("background: #ffd400; color: #000000; font-weight: bold;"
                                                 " padding: 2px 8px; border-radius: 3px;"));
    }
    if (arguments_.resizeMode) {
        resizeHint_ = new QLabel(this);
        resizeHint_->setObjectName(QStringLiteral("resizeHint"));
        resizeHint_->setWordWrap(true);
        resizeHint_->setAlignment(Qt::AlignCenter);
        resizeHint_->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 170); color: #ffffff; padding: 6px;"));
    }
    waitText_ = new QLabel(this);
    waitText_->setObjectName(QStringLiteral("waitText"));
    waitText_->setWordWrap(true);
    waitText_->setAlignment(Qt::AlignCenter);
    waitText_->setStyleSheet(QStringLiteral("background: #ffffe1; color: #000000; border: 1px solid #808080;"
                                            " padding: 6px;"));
    waitText_->hide();

    applyWindowSettings();
    showMenu();
}

void MenuWindow::applyWindowSettings()
{
    const MenuDescription& m = menu();
    setWindowTitle(menuWindowCaption(m, arguments_));

    Qt::WindowFlags flags = Qt::Window | Qt::WindowCloseButtonHint;
    if (arguments_.resizeMode || m.showCaption)
        flags |= Qt::WindowTitleHint;
    else if (m.showBorder)
        flags |= Qt::CustomizeWindowHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (m.showMinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (m.alwaysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    if (arguments_.resizeMode) {
        setMinimumSize(120, 80);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(m.width, m.height);
    } else {
        setFixedSize(m.width, m.height);
    }
}

void MenuWindow::showMenu()
{
    if (content_) {
        content_->hide();
        content_->deleteLater();  // a button of it may be running this very call
    }
    buttons_.clear();

    const MenuDescription& m = menu();
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("menuContent"));
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(6);

    if (!m.title.text.empty())
        layout->addWidget(makeTextLine(m.title, content_));
    if (!m.subtitle.text.empty())
        layout->addWidget(makeTextLine(m.subtitle, content_));
    layout->addSpacing(12);

    auto* scroll = new QScrollArea(content_);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    scroll->viewport()->setAutoFillBackground(false);

    auto* area = new QWidget;
    area->setAutoFillBackground(false);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2 * ButtonSpacing);
    grid->setVerticalSpacing(ButtonSpacing);
    const int align = m.buttons.alignment;
    if (align != 1)
        row->addStretch(1);
    row->addLayout(grid);
    if (align != 3)
        row->addStretch(1);

    const bool twoColumns = align == 4;
    const int columns = twoColumns ? 2 : 1;
    int gridRow = 0, column = 0;
    for (const MenuEntry& entry : m.visibleEntries()) {
        if (entry.titleRow) {
            if (column != 0) {
                ++gridRow;
                column = 0;
            }
            auto* heading = new QLabel(labelText(entry.text), area);
            heading->setObjectName(QStringLiteral("titleRow"));
            heading->setFont(toQFont(m.titleRowFont));
            heading->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(cssColour(m.titleRowColour)));
            heading->setAlignment(horizontalAlignment(m.buttons.textAlignment) | Qt::AlignBottom);
            heading->setMinimumHeight(std::max(m.buttons.height * 2 / 3, heading->sizeHint().height()));
            grid->addWidget(heading, gridRow++, 0, 1, columns);
            continue;
        }
        auto* button = new QPushButton(toQString(entry.text), area);
        button->setFixedSize(m.buttons.width, m.buttons.height);
        // The style sheet puts 8 pixels of padding and a frame on each side.
        button->setFont(fittedFont(toQFont(m.buttons.font), button->text(), m.buttons.width - 20));
        button->setStyleSheet(buttonStyleSheet(m.buttons, entry));
        button->setCursor(Qt::PointingHandCursor);
        if (!entry.tip.empty())
            button->setToolTip(toQString(entry.tip));
        connect(button, &QPushButton::clicked, this, [this, entry] { activate(entry); });
        buttons_.push_back(button);
        grid->addWidget(button, gridRow, column);
        if (++column == columns) {
            column = 0;
            ++gridRow;
        }
    }
    grid->setRowStretch(gridRow + 1, 1);
    scroll->setWidget(area);
    layout->addWidget(scroll, 1);

    content_->setGeometry(rect());
    content_->show();
    placeOverlays();
    update();
}

void MenuWindow::placeOverlays()
{
    if (content_)
        content_->setGeometry(rect());
    if (testBadge_) {
        testBadge_->adjustSize();
        testBadge_->move(width() - testBadge_->width() - 6, 6);
        testBadge_->raise();
    }
    if (resizeHint_) {
        resizeHint_->setText(tr("Resize mode: drag the edges of the window until the menu has the size you want, "
                                "then close the window. The editor takes over the size (now %1 x %2 pixels).")
                                 .arg(width())
                                 .arg(height()));
        const int h = resizeHint_->heightForWidth(width());
        resizeHint_->setGeometry(0, height() - h, width(), h);
        resizeHint_->raise();
    }
    if (waitText_ && waitText_->isVisible()) {
        const int w = std::min(width() - 2 * Margin, 360);
        const int h = waitText_->heightForWidth(w);
        waitText_->setGeometry((width() - w) / 2, height() - h - Margin, w, h);
        waitText_->raise();
    }
}

void MenuWindow::paintEvent(QPaintEvent*)
{
    const MenuDescription& m = menu();
    QPainter painter(this);
    const QColor first = toQColor(m.backColour);
    const QColor second = blendTowards(first, toQColor(m.backColour2), m.blendDepth);
    const QRectF r = rect();
    switch (m.toneDirection) {
    case 1:
    case 2:
    case 3:
    case 4: {
        QLinearGradient g;
        if (m.toneDirection == 1)
            g = QLinearGradient(r.topLeft(), r.topRight());
        else if (m.toneDirection == 2)
            g = QLinearGradient(r.topRight(), r.topLeft());
        else if (m.toneDirection == 3)
            g = QLinearGradient(r.bottomLeft(), r.topLeft());
        else
            g = QLinearGradient(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, first);
        g.setColorAt(1, second);
        painter.fillRect(r, g);
        break;
    }
    case 5: {
        QRadialGradient g(r.center(), std::max(r.width(), r.height()) / 2.0);
        g.setColorAt(0, second);
        g.setColorAt(1, first);
        painter.fillRect(r, g);
        break;
    }
    case 6:
    case 7: {
        QLinearGradient g = m.toneDirection == 6 ? QLinearGradient(r.topLeft(), r.topRight())
                                                 : QLinearGradient(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, first);
        g.setColorAt(0.5, second);
        g.setColorAt(1, first);
        painter.fillRect(r, g);
        break;
    }
    default:
        painter.fillRect(r, first);
    }
}

void MenuWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeOverlays();
}

void MenuWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuWindow::closeEvent(QCloseEvent* event)
{
    if (arguments_.resizeMode && !sizeStored_) {
        sizeStored_ = true;
        if (!storeResizeModeSize(width(), height()))
            showMessage(tr("Resize mode"), tr("The window size could not be handed to the editor."), true);
    }
    QWidget::closeEvent(event);
}

bool MenuWindow::confirmPassword(const MenuEntry& entry)
{
    if (!entry.passwordProtected)
        return true;
    for (;;) {
        QInputDialog dialog(this);
        dialog.setWindowTitle(entry.passwordTitle.empty() ? tr("Enter password") : toQString(entry.passwordTitle));
        dialog.setLabelText(entry.passwordText.empty() ? tr("Before you can open the file you must enter a password:")
                                                       : toQString(entry.passwordText));
        dialog.setTextEchoMode(entry.maskPassword ? QLineEdit::Password : QLineEdit::Normal);
        dialog.setOkButtonText(toQString(menu().okText));
        dialog.setCancelButtonText(tr("Cancel"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (dialog.textValue().toStdString() == entry.password)
            return true;
        showMessage(entry.wrongPasswordTitle.empty() ? tr("Invalid password") : toQString(entry.wrongPasswordTitle),
                    entry.wrongPasswordText.empty() ? tr("The password you entered is not correct. Try again.")
                                                    : toQString(entry.wrongPasswordText),
                    false);
    }
}

void MenuWindow::activate(const MenuEntry& entry)
{
    if (entry.titleRow || !confirmPassword(entry))
        return;
    const ButtonAction action = planButtonAction(entry, menus_.back().folder);
    switch (action.kind) {
    case ActionKind::None:
        showMessage(toQString(menu().caption), tr("This button has no target to open."), false);
        return;
    case ActionKind::CloseMenu:
        close();
        return;
    case ActionKind::Unsupported:
        showMessage(toQString(menu().caption),
                    tr("The command \"%1\" is not supported by this build of the menu program yet.")
                        .arg(toQString(action.target)),
                    false);
        return;
    case ActionKind::OpenMenu:
        openSubMenu(action.target);
        return;
    case ActionKind::ReturnToPreviousMenu:
        if (menus_.size() > 1)
            returnToMenu(menus_.size() - 1);
        return;
    case ActionKind::ReturnToMainMenu:
        returnToMenu(1);
        return;
    default:
        break;
    }
    if (!entry.waitInfoText.empty())
        showWaitText(entry.waitInfoText);
    const ActionOutcome outcome = runButtonAction(action);
    if (outcome != ActionOutcome::Done) {
        reportOutcome(outcome, action);
        return;
    }
    if (action.closeMenuAfter)
        close();
}

void MenuWindow::reportOutcome(ActionOutcome outcome, const ButtonAction& action)
{
    const QString target = action.kind == ActionKind::OpenAddress ? toQString(action.target) : displayPath(action.target);
    if (outcome == ActionOutcome::TargetMissing)
        showMessage(toQString(menu().caption),
                    tr("Cannot find \"%1\".\n\nThe file or folder may have been moved or removed.").arg(target), true);
    else
        showMessage(toQString(menu().caption), tr("\"%1\" could not be opened on this system.").arg(target), true);
}

void MenuWindow::openSubMenu(const std::string& file)
{
    const MenuReadResult read = readMenuDescription(file);
    if (read.status != MenuReadStatus::Ok) {
        showMessage(toQString(menu().caption),
                    read.status == MenuReadStatus::Damaged
                        ? tr("The menu file \"%1\" is damaged or incomplete.").arg(displayPath(file))
                        : tr("Cannot find the menu file \"%1\".").arg(displayPath(file)),
                    true);
        return;
    }
    menus_.push_back(ShownMenu{read.menu, file, PathDirectoryPart(file)});
    applyWindowSettings();
    showMenu();
    show();
}

void MenuWindow::returnToMenu(std::size_t depth)
{
    if (depth == 0 || depth >= menus_.size())
        return;
    menus_.resize(depth);
    applyWindowSettings();
    showMenu();
    show();
}

void MenuWindow::showWaitText(const std::string& text)
{
    waitText_->setText(toQString(text));
    waitText_->show();
    placeOverlays();
    QTimer::singleShot(WaitTextMilliseconds, waitText_, &QWidget::hide);
}

void MenuWindow::showMessage(const QString& title, const QString& text, bool error)
{
    if (error)
        QMessageBox::critical(this, title, text);
    else
        QMessageBox::information(this, title, text);
}

}  // namespace orv::shell
