// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopTheme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QPainter>
#include <QStyleOption>

#include "ThemeColours.h"

namespace numora {
namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");

Rgb8 ToRgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }
QColor ToQColor(Rgb8 c) { return QColor(c.r, c.g, c.b); }

QPalette::ColorRole ToRole(PaletteRole role) {
    switch (role) {
    case PaletteRole::Window: return QPalette::Window;
    case PaletteRole::WindowText: return QPalette::WindowText;
    case PaletteRole::Base: return QPalette::Base;
    case PaletteRole::AlternateBase: return QPalette::AlternateBase;
    case PaletteRole::Text: return QPalette::Text;
    case PaletteRole::PlaceholderText: return QPalette::PlaceholderText;
    case PaletteRole::Button: return QPalette::Button;
    case PaletteRole::ButtonText: return QPalette::ButtonText;
    case PaletteRole::BrightText: return QPalette::BrightText;
    case PaletteRole::Highlight: return QPalette::Highlight;
    case PaletteRole::HighlightedText: return QPalette::HighlightedText;
    case PaletteRole::ToolTipBase: return QPalette::ToolTipBase;
    case PaletteRole::ToolTipText: return QPalette::ToolTipText;
    case PaletteRole::Link: return QPalette::Link;
    case PaletteRole::LinkVisited: return QPalette::LinkVisited;
    case PaletteRole::Light: return QPalette::Light;
    case PaletteRole::Midlight: return QPalette::Midlight;
    case PaletteRole::Mid: return QPalette::Mid;
    case PaletteRole::Dark: return QPalette::Dark;
    case PaletteRole::Shadow: return QPalette::Shadow;
    }
    return QPalette::Window;
}

// A portal value comes wrapped in one or two variants.
QVariant Unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
    return value;
}

}  // namespace

QPalette DarkQPalette() {
    QPalette palette;
    for (const PaletteColour& entry : DarkPalette()) {
        if (entry.disabled)
            palette.setColor(QPalette::Disabled, ToRole(entry.role), ToQColor(entry.colour));
        else
            palette.setColor(ToRole(entry.role), ToQColor(entry.colour));
    }
    return palette;
}

bool IsDarkPalette(const QPalette& palette) { return IsDark(ToRgb(palette.color(QPalette::Window))); }

void LegibleStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool box = element == PE_IndicatorCheckBox;
    const bool round = element == PE_IndicatorRadioButton;
    const bool field = element == PE_FrameLineEdit || element == PE_PanelLineEdit;
    if (!(box || round || field) || !IsDarkPalette(option->palette)) return;
    if (field) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame || frame->lineWidth <= 0) return;
    }
    const Rgb8 edge = ControlEdge(ToRgb(option->palette.color(QPalette::Window)),
                                  ToRgb(option->palette.color(QPalette::WindowText)));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, round);
    painter->setPen(QPen(ToQColor(edge), 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (round) painter->drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    else painter->drawRect(r);
    painter->restore();
}

DesktopTheme::DesktopTheme(QObject* parent) : QObject(parent) {}

DesktopTheme::~DesktopTheme() = default;

void DesktopTheme::start() {
    if (started_) return;
    started_ = true;
    QApplication::setStyle(new LegibleStyle(QApplication::style()->name()));
    platformPalette_ = QApplication::palette();
    captured_ = true;

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("Read"));
    read << kAppearance << kColorScheme;
    const QDBusMessage reply = bus.call(read, QDBus::Block, kPortalWaitMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        applyScheme(ColorSchemeFromPortal(Unwrapped(reply.arguments().first()).toUInt()));
}

void DesktopTheme::settingChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 3 && arguments[0].toString() == kAppearance && arguments[1].toString() == kColorScheme)
        applyScheme(ColorSchemeFromPortal(Unwrapped(arguments[2]).toUInt()));
}

void DesktopTheme::applyScheme(ColorScheme scheme) {
    if (!captured_) platformPalette_ = QApplication::palette();
    captured_ = true;
    scheme_ = scheme;
    const bool dark = scheme == ColorScheme::Dark && !IsDarkPalette(platformPalette_);
    if (dark == applied_) return;
    applied_ = dark;
    QApplication::setPalette(dark ? DarkQPalette() : platformPalette_);
}

}  // namespace numora
