#include "base/tranLng.h"

#include <array>
#include <utility>

namespace {

struct Entry {
    const char16_t *key;
    const char16_t *translation;
};

// Order matters: the first key that matches wins.
constexpr std::array<Entry, 14> kTable{{
    {u"start", u"başla"},
    {u"stop", u"dur"},
    {u"output", u"çıkış"},
    {u"YES", u"EVET"},
    {u"NO", u"HAYIR"},
    {u"input", u"giriş"},
    {u"button", u"button"},
    {u"window", u"pencere"},
    {u"delay ", u"gecikme"},
    {u"Program terminated successfully.", u"Program başarıyla sonlandı."},
    {u"Cannot delete connected object.", u"Bağlı nesne silinemez."},
    {u"Cannot determine which arrow to delete.", u"Hangi okun silineceğine karar verilemiyor."},
    {u"Block not selected!", u"Nesne seçili değil!"},
    {u"Already connected!", u"Zaten bağlı!"},
}};

} // namespace

QString tranLng(const QString &text)
{
    for (const Entry &entry : kTable) {
        if (text.compare(QStringView(entry.key), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(entry.translation);
    }
    return QString();
}
