#include "shell/window/menu_window.h"

#include <algorithm>

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFile>
#include <QHelpEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>
#include <QToolTip>

#include "platform/file_system.h"
#include "platform/services.h"
#include "shell/render/png_file.h"
#include "shell/session/window_fading.h"
#include "shell/resize_mode.h"
#include "program_support/program_environment.h"
#include "shell/window/qpainter_canvas.h"
#include "shell/window/sound_player.h"

namespace orv::shell {

namespace {

constexpr int Margin = 20;
constexpr int WaitTextMilliseconds = 5000;

std::optional<MenuKey> menuKeyOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape: return MenuKey::Escape;
    case Qt::Key_Tab: return (event.modifiers() & Qt::ShiftModifier) ? MenuKey::BackTab : MenuKey::Tab;
    case Qt::Key_Backtab: return MenuKey::BackTab;
    case Qt::Key_Up: return MenuKey::Up;
    case Qt::Key_Down: return MenuKey::Down;
    case Qt::Key_Left: return MenuKey::Left;
    case Qt::Key_Right: return MenuKey::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter: return MenuKey::Enter;
    case Qt::Key_Space: return MenuKey::Space;
    default: return std::nullopt;
    }
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
    : QWidget(parent), arguments_(std::move(arguments)), session_(std::move(menu), std::move(menuFile), *this)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the background bitmap covers every pixel

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
}

std::vector<std::size_t> MenuWindow::shownButtons() const
{
    std::vector<std::size_t> shown;
    for (const EntryBox& box : session_.layout().entries)
        if (!box.titleRow)
            shown.push_back(box.entry);
    return shown;
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
    session_.setClientSize(width(), height());
    placeOverlays();
    // A menu shown in place of another does not fade in again; it takes its transparency.
    if (fadeTimer_)
        fadeTimer_->stop();
    setWindowOpacity(windowAlpha(m.windowEffects) / 255.0);
}

void MenuWindow::fadeStep()
{
    const WindowEffects& effects = menu().windowEffects;
    const auto elapsed = static_cast<int>(std::min<qint64>(fadeClock_.elapsed(), 60000));
    setWindowOpacity(fadeAlpha(effects, elapsed) / 255.0);
    if (elapsed >= fadeMilliseconds(effects.fadingSpeed))
        fadeTimer_->stop();
}

void MenuWindow::placeOverlays()
{
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

bool MenuWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::string tip = session_.tip();
        if (tip.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), toQString(tip), this);
        return true;
    }
    return QWidget::event(event);
}

void MenuWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPainterCanvas canvas(painter);
    session_.paint(canvas);
}

void MenuWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        session_.start();
    if (!shownOnce_ && fadesIn(menu().windowEffects)) {
        // The window appears transparent and reaches its opacity step by step.
        if (!fadeTimer_) {
            fadeTimer_ = new QTimer(this);
            connect(fadeTimer_, &QTimer::timeout, this, &MenuWindow::fadeStep);
        }
        setWindowOpacity(0.0);
        fadeClock_.start();
        fadeTimer_->start(FadeTimerMilliseconds);
    }
    shownOnce_ = true;
    if (!layoutWritten_ && !arguments_.layoutFile.empty()) {
        layoutWritten_ = true;
        QTimer::singleShot(0, this, &MenuWindow::writeLayoutFile);
    }
}

Bitmap MenuWindow::loadPicture(const std::string& windowsPath, int width, int height)
{
    return pictureReader(windowsPath, width, height)();
}

std::function<Bitmap()> MenuWindow::pictureReader(const std::string& windowsPath, int width, int height)
{
    // Qt reads BMP, JPEG, PNG and GIF (on any thread); metafiles are Windows' own and stay
    // undrawn here.
    (void)width, (void)height;
    const platform::FileSystem* files = platform::services().files;
    const QString host = QString::fromStdString(files ? files->hostPath(windowsPath).string() : windowsPath);
    return [host] { return bitmapOf(QImage(host)); };
}

void MenuWindow::playSound(SoundUse use, const std::vector<std::string>& files)
{
    if (!sounds_)
        sounds_ = new SoundPlayer(this);
    sounds_->play(use, files);
}

void MenuWindow::stopSound(SoundUse use)
{
    if (sounds_)
        sounds_->stop(use);
}

bool MenuWindow::playMovie(const std::vector<std::string>& files, const Rect& where, bool repeat)
{
    const std::string found = SoundPlayer::firstExisting(files);
    if (found.empty())
        return false;
    if (!moviePlayer_) {
        moviePlayer_ = new QMediaPlayer(this);
        moviePlayer_->setAudioOutput(new QAudioOutput(this));
        movieView_ = new QVideoWidget(this);
        moviePlayer_->setVideoOutput(movieView_);
        connect(moviePlayer_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                session_.movieEnded();
        });
    }
    movieView_->setGeometry(where.x, where.y, where.width, where.height);
    movieView_->show();
    moviePlayer_->setLoops(repeat ? QMediaPlayer::Infinite : 1);
    moviePlayer_->setSource(QUrl::fromLocalFile(QString::fromStdString(found)));
    moviePlayer_->play();
    return true;
}

void MenuWindow::stopMovie()
{
    if (!moviePlayer_)
        return;
    moviePlayer_->stop();
    movieView_->hide();
}

void MenuWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        session_.windowActive(isActiveWindow());
}

bool MenuWindow::saveScreenshot(const std::string& file)
{
    const MenuDescription& m = menu();
    session_.setClientSize(m.width, m.height);
    QImage image(m.width, m.height, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QPainterCanvas canvas(painter);
        session_.paint(canvas);
    }
    if (!arguments_.layoutFile.empty())
        writeLayoutFile();
    return writePngFile(bitmapOf(image), file);
}

void MenuWindow::writeLayoutFile()
{
    QFile file(QString::fromStdString(arguments_.layoutFile));
    const std::string text = layoutText(session_.layout());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
        showMessage(menu().caption, "The layout could not be written to \"" + arguments_.layoutFile + "\".", true);
}

void MenuWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    session_.setClientSize(width(), height());
    placeOverlays();
}

void MenuWindow::followMouse(bool repaintNeeded)
{
    setCursor(session_.overButton() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (repaintNeeded)
        update();
}

void MenuWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool changed = session_.mouseMove(p.x(), p.y());
    if (changed)
        QToolTip::hideText();
    followMouse(changed);
}

void MenuWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    followMouse(session_.mousePress(p.x(), p.y()));
}

void MenuWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    followMouse(session_.mouseRelease(p.x(), p.y()));
}

void MenuWindow::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    followMouse(session_.mouseLeave());
}

bool MenuWindow::focusNextPrevChild(bool)
{
    return false;  // Tab reaches keyPressEvent
}

void MenuWindow::keyPressEvent(QKeyEvent* event)
{
    const std::optional<MenuKey> key = menuKeyOf(*event);
    if (!key)
        return QWidget::keyPressEvent(event);
    if (session_.keyPress(*key))
        update();
}

void MenuWindow::closeEvent(QCloseEvent* event)
{
    if (arguments_.resizeMode && !sizeStored_) {
        sizeStored_ = true;
        if (!storeResizeModeSize(width(), height()))
            showMessage(tr("Resize mode").toStdString(), tr("The window size could not be handed to the editor.").toStdString(),
                        true);
    }
    QWidget::closeEvent(event);
}

std::optional<std::string> MenuWindow::askPassword(const PasswordQuestion& question)
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(toQString(question.title));
    dialog.setLabelText(toQString(question.text));
    dialog.setTextEchoMode(question.masked ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setOkButtonText(toQString(question.okText));
    dialog.setCancelButtonText(toQString(question.cancelText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void MenuWindow::showMessage(const std::string& title, const std::string& text, bool error)
{
    if (error)
        QMessageBox::critical(this, toQString(title), toQString(text));
    else
        QMessageBox::information(this, toQString(title), toQString(text));
}

bool MenuWindow::offerButton(const std::string& title, const std::string& text, const std::string& buttonText)
{
    QMessageBox box(QMessageBox::Information, toQString(title), toQString(text), QMessageBox::NoButton, this);
    QPushButton* offered = box.addButton(toQString(buttonText), QMessageBox::AcceptRole);
    box.addButton(toQString(menu().closeText), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == offered;
}

ActionOutcome MenuWindow::runAction(const ButtonAction& action)
{
    return runButtonAction(action);
}

void MenuWindow::closeMenu()
{
    close();
}

void MenuWindow::menuChanged()
{
    const bool wasVisible = isVisible();
    applyWindowSettings();  // changing the window flags hides the window
    if (wasVisible)
        show();
}

void MenuWindow::repaintMenu()
{
    update();
}

void MenuWindow::showWaitText(const std::string& text)
{
    waitText_->setText(toQString(text));
    waitText_->show();
    placeOverlays();
    QTimer::singleShot(WaitTextMilliseconds, waitText_, &QWidget::hide);
}

CompanionPrograms MenuWindow::companionPrograms() const
{
    return companionProgramsIn(programFolder());
}

std::string MenuWindow::displayPath(const std::string& windowsPath)
{
    return orv::shell::displayPath(windowsPath).toStdString();
}

}  // namespace orv::shell
