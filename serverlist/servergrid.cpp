// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/servergrid.h"

#include "net/servergroups.h"
#include "net/serverrecord.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kImageSize = 16;
constexpr COLORREF kImageMask = RGB(0, 255, 255);
const char* const kTreeImagesPath = ":/res/tree_images.png";
const char* const kCellImagesPath = ":/res/cell_images.png";

// Key of a version group: the version followed by this mark, which no game type carries.
const char* const kVersionGroupMark = "*";

struct ColumnLayout {
    const char* heading;  // translated in the context CServerGrid; empty: none
    int width;
    int format;
};

const ColumnLayout kColumns[] = {
    {"", 77, LVCFMT_LEFT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Ping"), 34, LVCFMT_RIGHT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Server"), 193, LVCFMT_LEFT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Map"), 150, LVCFMT_LEFT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Players"), 50, LVCFMT_LEFT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Mod"), 110, LVCFMT_LEFT},
    {"", 18, LVCFMT_LEFT},
    {"", 18, LVCFMT_LEFT},
    {QT_TRANSLATE_NOOP("CServerGrid", "Ip:Port"), 125, LVCFMT_LEFT},
};

QString Text(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

CServerGrid::CServerGrid(QWidget* parent) : CGridTreeCtrl(parent) {
    // Favourites pass a filter that would hide others, and "Favourites only" passes them alone.
    connect(this, &CServerGrid::favouritesChanged, this, [this] {
        if (m_filter.IsActive()) {
            SetFilter(m_filter);
        }
    });
}

int CServerGrid::OnCreate() {
    if (CGridTreeCtrl::OnCreate() == -1) {
        return -1;
    }
    // POSIX sockets need no library start-up or clean-up, so creation never fails with
    // "Failed to initialize winsock".
    if (!m_imageTree.Create(kTreeImagesPath, kImageSize, 1, kImageMask)) {
        return -1;
    }
    SetImageList(&m_imageTree, LVSIL_SMALL);
    const CImageList* small = GetImageList(LVSIL_SMALL);
    if (small == nullptr) {
        return -1;
    }
    m_nIconWidth = small->GetIconSize().cx;
    m_nIconHeight = small->GetIconSize().cy;
    CImageList cells;
    if (!cells.Create(kCellImagesPath, kImageSize, 1, kImageMask) || !m_imageCells.Create(cells)) {
        return -1;
    }
    return 0;
}

void CServerGrid::PrepareGrid() {
    SetExtendedStyle(LVS_EX_GRIDLINES);
    int position = 0;
    for (const ColumnLayout& column : kColumns) {
        InsertColumn(position, *column.heading == '\0' ? QString() : tr(column.heading),
                     column.format, DefaultColumnWidth(position));
        ++position;
    }
    m_groupNodes.clear();
    for (int n = 0; n < kVersionGroupCount; ++n) {
        const std::string version = VersionGroupText(n);
        auto versionInfo = std::make_unique<CGridItemInfo>();
        versionInfo->m_strText = Text(version);
        versionInfo->m_nImage = kTreeImageGlobe;
        versionInfo->m_arrSubTexts.append(QStringLiteral(" "));
        CGridTreeItem* versionNode = InsertRootNode(versionInfo.release());
        RegisterGroupNode(version, kVersionGroupMark, versionNode);
        for (int t = 0; t < kGameTypeGroupCount; ++t) {
            auto typeInfo = std::make_unique<CGridItemInfo>();
            typeInfo->m_strText = QString::fromLatin1(GameTypeGroupText(t));
            typeInfo->m_nImage = kTreeImageClosedFolder;
            CGridTreeItem* typeNode = InsertChildNode(versionNode, typeInfo.release(), FALSE);
            RegisterGroupNode(version, GameTypeGroupText(t), typeNode);
        }
    }
}

int CServerGrid::DescribedColumnWidth(int col) {
    return col >= 0 && col < static_cast<int>(std::size(kColumns)) ? kColumns[col].width : 0;
}

int CServerGrid::DefaultColumnWidth(int col) const {
    const int described = DescribedColumnWidth(col);
    if (described == 0 || *kColumns[col].heading == '\0') {
        return described;
    }
    // The header draws its heading between a margin at each side, and cuts what does not fit.
    const QHeaderView* header = GetHeaderCtrl();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int text = header->fontMetrics().size(0, tr(kColumns[col].heading)).width();
    return std::max(described, text + 2 * margin);
}

void CServerGrid::RegisterGroupNode(const std::string& first, const std::string& second,
                                    CGridTreeItem* node) {
    m_groupNodes.push_back(GroupNodeEntry{first + second, node});
}

CGridTreeItem* CServerGrid::FindGroupNode(const std::string& version,
                                          const std::string& gameType) const {
    const std::string key = version + gameType;
    for (const GroupNodeEntry& entry : m_groupNodes) {
        if (entry.m_key == key) {
            return entry.m_pNode;
        }
    }
    return nullptr;
}

int CServerGrid::GetNodeImage(CGridTreeItem* node) {
    const CGridItemInfo* info = GetInfo(node);
    if (info == nullptr) {
        return -1;
    }
    if (info->m_nImage != -1) {
        return info->m_nImage;
    }
    if (!HasChildren(node)) {
        return IsFavouriteRow(node) ? kTreeImageFavourite : kTreeImageServer;
    }
    return IsCollapsed(node) ? kTreeImageClosedFolder : kTreeImageOpenFolder;
}

std::unique_ptr<CGridItemInfo> MakeServerRowInfo(const ServerRecord& record) {
    auto info = std::make_unique<CGridItemInfo>();
    info->m_arrSubTexts = CSubTextList::FromLatin1({record.m_pingText,
                                                    record.m_name,
                                                    record.m_map,
                                                    record.m_playersText,
                                                    record.m_mod,
                                                    {},
                                                    {},
                                                    record.m_address});
    if (record.m_private) {
        info->m_mapCellImage[kPrivateCellKey] = kCellImagePrivate;
    }
    if (record.m_dedicated) {
        info->m_mapCellImage[kDedicatedCellKey] = kCellImageDedicated;
    }
    return info;
}

void AddServerRow(const ServerRecord& record, CServerGrid* grid) {
    if (grid == nullptr) {
        return;
    }
    grid->History().RecordFiled(record);
    CGridTreeItem* parent = grid->FindGroupNode(record.m_version, record.m_gameType);
    if (grid->RewriteWaitingRow(record, parent)) {
        return;
    }
    if (parent == nullptr) {
        grid->FileUngroupedFavourite(record);
        return;
    }
    grid->InsertServerNode(parent, MakeServerRowInfo(record));
}

void CServerGrid::InsertServerNode(CGridTreeItem* parent, std::unique_ptr<CGridItemInfo> info) {
    emit serverRowsChanged();
    info->m_nUserData = m_nRound;
    const int parentRow = RowFromNode(parent);
    const BOOL bShowRow = parentRow != -1 && !IsCollapsed(parent);
    const BOOL bHidden = !PassesFilter(*info);
    if (!bShowRow || bHidden) {
        // No row comes; only a shown group's own row may change (its expand box).
        InsertChildNode(parent, info.release(), bShowRow, bHidden);
        RedrawItems(parentRow, parentRow);
        return;
    }
    SetRedraw(FALSE);
    InsertChildNode(parent, info.release(), TRUE);
    RedrawWithinFrame();
}
