#include "settings/Addons.h"
#include "settings/Registry.h"
#include "support/SettingsStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// What is not plain text reads as the default; text is cut at its first NUL.
TEST(Registry, ReadsOnlyPlainText)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"[General]\nStartIn=/mu\\0sic/\n", u"/mu"_s},
        {"[General]\nStartIn=/a, /b\n", u"default"_s},
        {"[General]\nStartIn=\"/a, /b; \\\\c\"\n", u"/a, /b; \\c"_s}, // quoted, "," ";" "\\" are kept
        {"[General]\nStartIn=@ByteArray(/music/)\n", u"default"_s},
    };
    const SettingsStore store;
    for (const auto &[text, expected] : cases) {
        store.writeFile(SettingsStore::File::User, text);
        EXPECT_EQ(ReadRegistryString(ProgramKey, u"StartIn"_s, u"default"_s), expected) << text.toStdString();
    }
}

TEST(Addons, AddressCarriesArtistAndTitleAsAFormValue)
{
    const std::tuple<QString, QString, QString> cases[] = {
        // artist, title, the words of the address
        {u" The Band "_s, u"My Song\0 live"_s, u"The+Band+My+Song"_s},
        {QString(), u"My Song"_s, u"+My+Song"_s},
        {u"#%+?="_s, u"a/b:c"_s, u"%23%25%2B%3F%3D+a/b:c"_s},
        {u"Björk"_s, u"Jóga\t"_s, u"Bj%C3%B6rk+J%C3%B3ga%09"_s},
    };
    for (const auto &[artist, title, words] : cases)
        EXPECT_EQ(AddonAddress(u"http://x.example/s?q="_s, artist, title), u"http://x.example/s?q="_s + words);
}
