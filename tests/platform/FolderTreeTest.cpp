#include "platform/FolderTree.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The paths of the folders, less their common beginning base.
QStringList pathsBelow(const QString &base, const std::vector<ListedFolder> &folders)
{
    QStringList paths;
    for (const ListedFolder &folder : folders)
        paths.append(folder.path.mid(base.size()));
    return paths;
}

void makeLink(const QString &target, const QString &path)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0);
}

// A folder with no permissions at all, for as long as the object lives. Root reads any folder
// by two capabilities; without them in the thread's effective set, the mode keeps it out too.
class LockedFolder
{
public:
    explicit LockedFolder(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        ::chmod(m_path.constData(), 0);
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~(1U << CAP_DAC_OVERRIDE | 1U << CAP_DAC_READ_SEARCH);
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~LockedFolder()
    {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
        ::chmod(m_path.constData(), 0700);
    }
    bool keepsOut() const
    {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd < 0 || ::close(fd) != 0;
    }

private:
    QByteArray m_path;
    __user_cap_header_struct m_header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[_LINUX_CAPABILITY_U32S_3] {};
    bool m_lowered = false;
};

// The folder source seen at target as well, until the object goes.
class BindMount
{
public:
    BindMount(const QString &source, const QString &target)
        : m_target(QFile::encodeName(target))
        , m_mounted(
              ::mount(QFile::encodeName(source).constData(), m_target.constData(), nullptr, MS_BIND, nullptr) == 0)
    { }
    ~BindMount()
    {
        if (m_mounted)
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_target;
    bool m_mounted;
};

} // namespace

TEST(FolderTree, ListsEachFolderBeforeItsSubfoldersInListingOrder)
{
    const TempFolder tree;
    for (const QString &folder : {u"a/x"_s, u"b"_s, u"B2"_s, u"_c"_s})
        tree.makeFolder(folder);
    for (const QString &file :
        {u"b.mp3"_s, u"A.MP3"_s, u"notes.txt"_s, u"a/x/deep.mp3"_s, u"B2/two.mp3"_s, u"_c/c.Mp3"_s, u"b/.hidden.mp3"_s})
        tree.write(file, "song");
    tree.makeFifo(u"B2/fifo.mp3"_s);
    makeLink(u"../b.mp3"_s, tree.path(u"B2/link.mp3"_s));

    const std::vector<ListedFolder> folders = listFolderTree(tree.path());
    // Upper-case folding puts "_" after the letters, and "b" and "B2" together.
    const struct
    {
        QString path;
        QStringList mp3Files;
    } expected[] = {
        {u""_s, {u"A.MP3"_s, u"b.mp3"_s}},
        {u"a/"_s, {}},
        {u"a/x/"_s, {u"deep.mp3"_s}},
        {u"b/"_s, {}},
        {u"B2/"_s, {u"link.mp3"_s, u"two.mp3"_s}},
        {u"_c/"_s, {u"c.Mp3"_s}},
    };
    ASSERT_EQ(folders.size(), std::size(expected)) << pathsBelow(tree.path(), folders).join(u' ').toStdString();
    for (size_t i = 0; i < folders.size(); ++i) {
        EXPECT_EQ(folders[i].path, tree.path(expected[i].path));
        EXPECT_EQ(folders[i].listing.mp3Files, expected[i].mp3Files) << expected[i].path.toStdString();
    }
    EXPECT_EQ(folders[3].listing.allNames, QStringList {u".hidden.mp3"_s}); // b/, hidden files named all the same
}

// What a walk that entered everything would go astray in: another tree, the same folders over
// and over, folders hidden from the user.
TEST(FolderTree, LeavesOutLinksAndHiddenFolders)
{
    const struct
    {
        const char *what;
        std::function<void(const TempFolder &)> make;
        QStringList folders;
    } cases[] = {
        {"link to a folder elsewhere",
            [](const TempFolder &tree) {
                tree.makeFolder(u"elsewhere/inner"_s);
                makeLink(u"../elsewhere"_s, tree.path(u"music/linked"_s));
            },
            {u"music/"_s}},
        {"link back up, a loop",
            [](const TempFolder &tree) {
                tree.makeFolder(u"music/sub"_s);
                makeLink(u".."_s, tree.path(u"music/sub/up"_s));
            },
            {u"music/"_s, u"music/sub/"_s}},
        {"hidden folder", [](const TempFolder &tree) { tree.makeFolder(u"music/.hidden/inner"_s); }, {u"music/"_s}},
        {"folder named like an MP3 file", [](const TempFolder &tree) { tree.makeFolder(u"music/album.mp3"_s); },
            {u"music/"_s, u"music/album.mp3/"_s}},
    };
    for (const auto &c : cases) {
        const TempFolder tree;
        tree.makeFolder(u"music"_s);
        c.make(tree);
        EXPECT_EQ(pathsBelow(tree.path(), listFolderTree(tree.path(u"music"_s))), c.folders) << c.what;
    }
}

TEST(FolderTree, SkipsAFolderThatCannotBeRead)
{
    const TempFolder tree;
    for (const QString &folder : {u"a"_s, u"locked/inner"_s, u"z"_s})
        tree.makeFolder(folder);
    tree.write(u"locked/song.mp3"_s, "song");
    const LockedFolder locked(tree.path(u"locked"_s));
    if (!locked.keepsOut())
        GTEST_SKIP() << "this process reads folders whatever their permissions, even without the capabilities "
                        "that let root do so";

    EXPECT_EQ(pathsBelow(tree.path(), listFolderTree(tree.path())), (QStringList {u""_s, u"a/"_s, u"z/"_s}));
    const std::vector<ListedFolder> alone = listFolderTree(tree.path(u"locked"_s));
    EXPECT_EQ(pathsBelow(tree.path(), alone), QStringList {u"locked/"_s});
    EXPECT_TRUE(alone.front().listing.allNames.isEmpty());
}

// Were folders told apart by their paths, the walk would go round the loop once more, and list
// "a" a second time as "z".
TEST(FolderTree, EntersAFolderSeenThroughABindMountOnce)
{
    const TempFolder tree;
    for (const QString &folder : {u"a/inner"_s, u"sub/loop"_s, u"z"_s})
        tree.makeFolder(folder);
    const BindMount loop(tree.path(), tree.path(u"sub/loop"_s));
    const BindMount twin(tree.path(u"a"_s), tree.path(u"z"_s));
    if (!loop.mounted() || !twin.mounted())
        GTEST_SKIP() << "bind mounts need root (CAP_SYS_ADMIN): " << std::strerror(errno);

    EXPECT_EQ(
        pathsBelow(tree.path(), listFolderTree(tree.path())), (QStringList {u""_s, u"a/"_s, u"a/inner/"_s, u"sub/"_s}));
}

TEST(FolderTree, StopsWhereCarryOnSaysSo)
{
    const TempFolder tree;
    tree.makeFolder(u"a/x"_s);
    tree.makeFolder(u"b"_s);
    const struct
    {
        int allowed;
        QStringList folders;
        int asked;
    } cases[] = {
        {0, {u""_s}, 1}, // root unread
        {3, {u""_s, u"a/"_s, u"a/x/"_s}, 4},
        {10, {u""_s, u"a/"_s, u"a/x/"_s, u"b/"_s}, 4},
    };
    for (const auto &c : cases) {
        int asked = 0;
        const std::vector<ListedFolder> folders = listFolderTree(tree.path(), [&] { return ++asked <= c.allowed; });
        EXPECT_EQ(pathsBelow(tree.path(), folders), c.folders) << c.allowed;
        EXPECT_EQ(asked, c.asked) << c.allowed;
        EXPECT_EQ(folders.front().listing.allNames.isEmpty(), c.allowed == 0) << c.allowed;
    }
}

// Each folder is opened and looked into from its parent, so the walk goes deeper than a path
// can name (PATH_MAX), links to files included.
TEST(FolderTree, GoesDeeperThanAPathCanName)
{
    const TempFolder tree;
    const QByteArray name(200, 'd');
    const int depth = 30;
    int folder = ::open(QFile::encodeName(tree.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < depth; ++level) {
        ::mkdirat(folder, name.constData(), 0700);
        const int below = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = below;
    }
    ASSERT_GE(folder, 0);
    ::close(::openat(folder, "song.mp3", O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    const bool linked = ::symlinkat("song.mp3", folder, "link.mp3") == 0;
    ::close(folder);
    ASSERT_TRUE(linked);

    const std::vector<ListedFolder> folders = listFolderTree(tree.path());
    ASSERT_EQ(folders.size(), size_t(depth + 1));
    EXPECT_EQ(folders.back().path, tree.path() + (QString::fromLatin1(name) + u'/').repeated(depth));
    EXPECT_EQ(folders.back().listing.mp3Files, (QStringList {u"link.mp3"_s, u"song.mp3"_s}));
}
