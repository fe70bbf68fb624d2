#pragma once
// Every text the maker shows, in one place. Half-width and full-width katakana are deliberate:
// the menus and the filter captions spell "ﾌｧｲﾙ" in half-width, the dialog title in full-width.

#include <QString>
#include <QStringList>

namespace kalmora::maker::texts
{

// The caption of both windows; while the main window carries it, no image has been loaded yet.
inline const QString kProductCaption = QStringLiteral("かるもら～");
// Title of the maker's message boxes.
inline const QString kProgramName = QStringLiteral("KALMORAM");
inline const QString kVersionProductText = QStringLiteral("かるもら～作成");

// Main window menus.
inline const QString kMenuFile = QStringLiteral("ﾌｧｲﾙ");
inline const QString kMenuOpen = QStringLiteral("開く");
inline const QString kMenuSave = QStringLiteral("保存");
inline const QString kMenuEnd = QStringLiteral("終了");
inline const QString kMenuDisp = QStringLiteral("表示");
inline const QString kMenuIcon = QStringLiteral("ｱｲｺﾝ画面");
inline const QString kMenuHelp = QStringLiteral("ﾍﾙﾌﾟ");
inline const QString kMenuVersion = QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");

// The open-image dialog.
inline const QString kOpenTitle = QStringLiteral("画像ファイルを開く");
// The first filter's caption names the four classic formats; its patterns also take the usual
// spellings and formats of today.
inline const QString kImageFilterCaption = QStringLiteral("画像ﾌｧｲﾙ (*.bmp;*.gif;*.jpg;*.ico)");
inline const QString kImageFilterPatterns = QStringLiteral("*.bmp;*.gif;*.jpg;*.ico;*.jpeg;*.png");
inline const QString kAllFilterCaption = QStringLiteral("すべてのﾌｧｲﾙ (*.*)");
inline const QString kAllFilterPatterns = QStringLiteral("*.*");
inline QStringList OpenImageFilters()
{
    return { kImageFilterCaption, kImageFilterPatterns, kAllFilterCaption, kAllFilterPatterns };
}

// Settings dialog.
inline const QString kFramePreview = QStringLiteral("完成プレビュー");
inline const QString kFramePictureSide = QStringLiteral("プレビュー画像画面");
inline const QString kFrameCalendar = QStringLiteral("カレンダー");
inline const QString kFrameInputSide = QStringLiteral("入力画像画面");
inline const QString kLabelShape = QStringLiteral("型抜き：");
inline const QString kLabelBackground = QStringLiteral("背景色：");
inline const QString kLabelWeekday = QStringLiteral("平日：");
inline const QString kLabelSaturday = QStringLiteral("土曜：");
inline const QString kLabelSunday = QStringLiteral("日祭祝：");
inline const QString kLabelShadow = QStringLiteral("影：");
inline const QString kLabelScale = QStringLiteral("画像倍率：");
inline const QString kLabelFrameColour = QStringLiteral("枠の色：");
inline const QString kLabelFrameSize = QStringLiteral("枠のサイズ：");
inline const QString kColourButton = QStringLiteral("...");
inline const QString kCreateButton = QStringLiteral("かれんだ～作成");

inline const QStringList kShapeItems = { QStringLiteral("ハート"), QStringLiteral("角丸四角"), QStringLiteral("丸"),
    QStringLiteral("四角"), QStringLiteral("星"), QStringLiteral("ハート(小)"), QStringLiteral("角丸四角(小)"),
    QStringLiteral("丸(小)"), QStringLiteral("四角(小)"), QStringLiteral("星(小)") };
inline const QStringList kFrameColourItems
    = { QStringLiteral("黒"), QStringLiteral("白"), QStringLiteral("赤"), QStringLiteral("緑"), QStringLiteral("青") };
inline const QStringList kFrameSizeItems = { QStringLiteral("フリー"), QStringLiteral("固定") };

// Project creation.
inline const QString kNamePrompt = QStringLiteral("登録名を入力してください");
inline const QString kCreated = QStringLiteral("作成完了しました。");
inline const QString kNameReserved = QStringLiteral("「.」と「..」は登録名に使えません。");
inline const QString kNameBadCharacter = QStringLiteral("登録名に使えない文字が含まれています: %1\n"
                                                        "/ \\ : * ? \" < > | と制御文字は使えません。");
inline const QString kNameBadEnd = QStringLiteral("登録名の最後に空白や「.」は使えません。");
inline const QString kPictureSaveFailed = QStringLiteral("画像ファイルを保存できませんでした。\n%1\n%2");
inline const QString kProjectWriteFailed = QStringLiteral("登録ファイルを書き込めませんでした。\n%1\n%2");
inline const QString kNothingChanged = QStringLiteral("登録は行われませんでした。");

// Image loading.
inline const QString kLoadFailed = QStringLiteral("%1\n\n%2");

} // namespace kalmora::maker::texts
