#include "guiwin/ObjectStatement.h"

#include "base/MessageLog.h"
#include "base/Paths.h"
#include "guiwin/CaptionText.h"
#include "guiwin/DefinitionFields.h"
#include "guiwin/VariableAccess.h"
#include "interp/Numbers.h"
#include "interp/TextRules.h"
#include "model/Rounding.h"
#include "model/VarnelError.h"

#include <QFileInfo>
#include <cmath>
#include <optional>

namespace {

std::optional<GuiObjectAccess::Field> geometryField(const QString &property)
{
    if (property == u"X")
        return GuiObjectAccess::X;
    if (property == u"Y")
        return GuiObjectAccess::Y;
    if (property == u"W")
        return GuiObjectAccess::W;
    if (property == u"H")
        return GuiObjectAccess::H;
    return std::nullopt;
}


VarnelError unsupported(const QString &property)
{
    return VarnelError(438, property, MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne bu özelliği desteklemiyor")));
}

} // namespace

ObjectStatement::ObjectStatement(GuiObjectAccess &window, VariableAccess &variables, MessageLog &log,
                                 QString projectFolder)
    : m_window(window)
    , m_variables(variables)
    , m_log(log)
    , m_projectFolder(std::move(projectFolder))
{
}

bool ObjectStatement::isObjectToObject(const QString &target, const QString &source)
{
    return target.contains(u'.') && source.contains(u'.') && !source.startsWith(u'"');
}

ObjectStatement::Parsed ObjectStatement::parse(const QString &target, const QString &source,
                                               VariableAccess &variables)
{
    Parsed p;
    p.shownSource = source;
    const QString *named = &source;
    if (target.contains(u'.')) {
        p.direction = Direction::Write;
        named = &target;
        p.shownSource = TextRules::stripQuotes(source);
        p.value = TextRules::stripQuotes(variables.ifVarGetValue(p.shownSource));
    }
    p.objectName = named->section(u'.', 0, 0);
    p.property = named->section(u'.', 1).toUpper();
    return p;
}

void ObjectStatement::lineItems(const QString &value, double out[4])
{
    for (int n = 0; n < 4; ++n) {
        const QString item = TextRules::trim(value.section(u',', n, n));
        if (!Numbers::parse(item, out[n]))
            throw VarnelError::typeMismatch(QStringLiteral("LINE"));
    }
}

bool ObjectStatement::processObjectDefinition(const QString &target, const QString &source)
{
    if (isObjectToObject(target, source))
        return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesneden nesneye atama henüz desteklenmiyor!")));
    QString shown = source;
    try {
        const Parsed p = parse(target, source, m_variables);
        shown = p.shownSource;
        if (p.objectName.compare(u"WINDOW", Qt::CaseInsensitive) == 0)
            return windowStatement(target, p);
        if (m_window.objectKind(p.objectName) == GuiKind::Unknown)
            return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "İşlem yapılamıyor: %1 = %2\r\n%3 nesnesi\r\naktif pencerede bulunamadı."),
                                        {target, p.shownSource, p.objectName}));
        return p.direction == Direction::Read ? readObject(target, p) : writeObject(target, p);
    } catch (const VarnelError &error) {
        return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne tanımında hata: \r\n%1 = %2\r\n%3"), {target, shown, error.message()}));
    }
}

bool ObjectStatement::windowStatement(const QString &target, const Parsed &p)
{
    const std::optional<GuiObjectAccess::Field> field = geometryField(p.property);
    if (!field || *field == GuiObjectAccess::X || *field == GuiObjectAccess::Y)
        return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "İşlem yapılamıyor: %1 = %2\r\nBu pencerenin özelliği\r\nokumaya müsait değil!"),
                                    {target, p.shownSource}));
    const double tpp = twipsPerPixel(*field);
    if (p.direction == Direction::Read) {
        m_variables.setVar(target, QString::number(qint64(std::floor(m_window.windowOuter(*field) / tpp))));
        return true;
    }
    m_window.setWindowOuter(*field, Rounding::toInt32(DefinitionFields::number(p.value) * tpp, p.property));
    return true;
}

bool ObjectStatement::readObject(const QString &target, const Parsed &p)
{
    QString value;
    if (p.property == u"TEXT") {
        if (m_window.objectKind(p.objectName) != GuiKind::Picture)
            value = m_window.objectText(p.objectName);
    } else if (const auto field = geometryField(p.property)) {
        value = readGeometry(p, *field);
    } else {
        return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "İşlem yapılamıyor: %1 = %2\r\nÖzellik okumaya müsait değil!"), {target, p.shownSource}));
    }
    m_variables.setVar(target, value);
    return true;
}

bool ObjectStatement::writeObject(const QString &target, const Parsed &p)
{
    const GuiKind::Kind kind = m_window.objectKind(p.objectName);
    const bool picture = kind == GuiKind::Picture;
    if (p.property == u"TEXT") {
        if (!picture)
            m_window.setObjectText(p.objectName, CaptionText::fromTyped(p.value));
    } else if (p.property == u"IMAGE") {
        requireKind(p, picture || kind == GuiKind::Button);
        const QString error = m_window.setObjectImage(p.objectName, resolveImage(p.value));
        if (!error.isEmpty())
            throw VarnelError(VarnelError::InvalidCall, p.property, error);
    } else if (p.property == u"LINE") {
        requireKind(p, picture);
        double xy[4];
        lineItems(p.value, xy);
        m_window.drawObjectLine(p.objectName, xy[0], xy[1], xy[2], xy[3]);
    } else if (p.property == u"VISIBLE") {
        m_window.setObjectVisible(p.objectName, p.value.compare(u"TRUE", Qt::CaseInsensitive) == 0);
    } else if (p.property == u"DRAWMODE") {
        requireKind(p, picture);
        m_window.setObjectDrawMode(p.objectName, p.value.compare(u"INVERT", Qt::CaseInsensitive) == 0);
    } else if (const auto field = geometryField(p.property)) {
        writeGeometry(p, *field);
    } else {
        return fail(MessageText::of(QT_TRANSLATE_NOOP("Message", "İşlem yapılamıyor: %1 = %2\r\nÖzellik bulunamadı!"), {target, p.shownSource}));
    }
    return true;
}

QString ObjectStatement::readGeometry(const Parsed &p, GuiObjectAccess::Field field) const
{
    const double pixels = m_window.objectGeometry(p.objectName, field) / twipsPerPixel(field);
    return QString::number(qint64(std::floor(pixels)));
}

void ObjectStatement::writeGeometry(const Parsed &p, GuiObjectAccess::Field field)
{
    const qint16 twips = Rounding::toInt16(DefinitionFields::number(p.value) * twipsPerPixel(field), p.property);
    const bool size = field == GuiObjectAccess::W || field == GuiObjectAccess::H;
    if (size && twips <= 0)
        return;
    m_window.setObjectGeometry(p.objectName, field, twips);
}

void ObjectStatement::requireKind(const Parsed &p, bool allowed) const
{
    if (!allowed)
        throw unsupported(p.property);
}

// An existing absolute path, else a file of that name in the project's folder; else none.
QString ObjectStatement::resolveImage(const QString &value) const
{
    const QString path = Paths::resolveProjectPath(value, m_projectFolder);
    return QFileInfo(path).isFile() ? path : QString();
}

bool ObjectStatement::fail(const MessageText &message)
{
    m_log.mBox(message);
    return false;
}

double ObjectStatement::twipsPerPixel(GuiObjectAccess::Field field) const
{
    const bool horizontal = field == GuiObjectAccess::X || field == GuiObjectAccess::W;
    return horizontal ? m_window.twipsPerPixelX() : m_window.twipsPerPixelY();
}
