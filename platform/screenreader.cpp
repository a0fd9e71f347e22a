// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace platform {

namespace {
const QString service = QStringLiteral("org.a11y.Bus");
const QString path = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString enabledProperty = QStringLiteral("ScreenReaderEnabled");
} // namespace

ScreenReaderWatch::ScreenReaderWatch(Changed changed)
    : m_changed(std::move(changed))
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(service, path, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, propertiesInterface, QStringLiteral("Get"));
    get << statusInterface << enabledProperty;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError() && reply.value().variant().toBool())
            m_changed(true);
        call->deleteLater();
    });
}

ScreenReaderWatch::~ScreenReaderWatch() = default;

void ScreenReaderWatch::propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &)
{
    if (interface != statusInterface)
        return;
    const auto it = changed.constFind(enabledProperty);
    if (it != changed.constEnd())
        m_changed(it->toBool());
}

} // namespace platform
