// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

// The one shared dialog of the main window, serving Open, Save, Font and
// Colour. Its properties keep their values between uses: the result of one
// command is where the next dialog starts. The dialogs themselves sit behind
// a Backend that tests replace, so no test ever waits on a real dialog.
class CommonDialog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(double FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(quint32 Color READ color WRITE setColor)
    Q_PROPERTY(int Flags READ flags WRITE setFlags)

public:
    struct Font {
        QString name;
        double size = 0;
    };

    class Backend
    {
    public:
        virtual ~Backend() = default;
        // Each returns nothing when the user cancels.
        virtual std::optional<QString> openFile(QWidget *parent, const QString &fileName, const QStringList &nameFilters) = 0;
        virtual std::optional<QString> saveFile(QWidget *parent, const QString &fileName, const QStringList &nameFilters) = 0;
        virtual std::optional<Font> font(QWidget *parent, const Font &initial) = 0;
        virtual std::optional<QColor> color(QWidget *parent, const QColor &initial) = 0;
    };

    // The dialogs are modal over owner.
    explicit CommonDialog(QWidget *owner);
    ~CommonDialog() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    QString fontName() const { return m_font.name; }
    void setFontName(const QString &name) { m_font.name = name; }
    double fontSize() const { return m_font.size; }
    void setFontSize(double size) { m_font.size = size; }
    // 0x00BBGGRR: red in the lowest byte.
    quint32 color() const { return m_color; }
    void setColor(quint32 color) { m_color = color; }
    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }

    // Each shows its dialog modally and returns true when the user confirmed,
    // with the result in FileName, FontName/FontSize or Color. On cancel it
    // returns false and every property keeps its value.
    bool showOpen();
    bool showSave();
    bool showFont();
    bool showColor();

    void setBackend(std::unique_ptr<Backend> backend);

private:
    QWidget *owner() const;

    std::unique_ptr<Backend> m_backend;
    QString m_fileName;
    QString m_filter;
    Font m_font;
    quint32 m_color = 0;
    int m_flags = 0;
};
