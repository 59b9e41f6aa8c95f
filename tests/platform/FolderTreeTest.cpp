#include "platform/FolderTree.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <tuple>
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

} // namespace

// A folder that cannot be read is left out, its siblings listed; as the root it is listed, empty.
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
    const QByteArray loop = QFile::encodeName(tree.path(u"sub/loop"_s));
    const QByteArray twin = QFile::encodeName(tree.path(u"z"_s));
    // Gone before the tree is removed, whose removal would go round the loop.
    const auto unmount = qScopeGuard([&] {
        for (const QByteArray &target : {loop, twin})
            ::umount2(target.constData(), MNT_DETACH);
    });
    const auto bind = [](const QString &source, const QByteArray &target) {
        return ::mount(QFile::encodeName(source).constData(), target.constData(), nullptr, MS_BIND, nullptr) == 0;
    };
    if (!bind(tree.path(), loop) || !bind(tree.path(u"a"_s), twin))
        GTEST_SKIP() << "bind mounts need root (CAP_SYS_ADMIN): " << std::strerror(errno);

    EXPECT_EQ(
        pathsBelow(tree.path(), listFolderTree(tree.path())), (QStringList {u""_s, u"a/"_s, u"a/inner/"_s, u"sub/"_s}));
}

// carryOn is asked before each folder; refused, the walk returns what it read, the root at least.
TEST(FolderTree, StopsWhereCarryOnSaysSo)
{
    const TempFolder tree;
    tree.makeFolder(u"a/x"_s);
    tree.makeFolder(u"b"_s);
    // the folders carryOn allows, those listed, how often it is asked
    const std::tuple<int, QStringList, int> cases[] = {
        {0, {u""_s}, 1}, // root unread
        {3, {u""_s, u"a/"_s, u"a/x/"_s}, 4},
        {10, {u""_s, u"a/"_s, u"a/x/"_s, u"b/"_s}, 4},
    };
    for (const auto &[allowed, listed, timesAsked] : cases) {
        int asked = 0;
        const int allowedFolders = allowed; // a lambda may not capture a structured binding in clang 14
        const std::vector<ListedFolder> folders
            = listFolderTree(tree.path(), [&] { return ++asked <= allowedFolders; });
        EXPECT_EQ(pathsBelow(tree.path(), folders), listed) << allowed;
        EXPECT_EQ(asked, timesAsked) << allowed;
        EXPECT_EQ(folders.front().listing.allNames.isEmpty(), allowed == 0) << allowed;
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
