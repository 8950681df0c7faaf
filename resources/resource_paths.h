#pragma once

// Names of the compiled-in resources, so callers do not spell the paths themselves.
namespace quorvel::resources {

inline constexpr char kWindowIcon[] = ":/quorvel/form1-icon.xpm";
inline constexpr char kSavePicture[] = ":/quorvel/save.xpm";
inline constexpr char kOkPicture[] = ":/quorvel/ok.xpm";
inline constexpr char kHandCursor[] = ":/quorvel/hand-cursor.xpm";
// The saved settings of the window's two buttons, in the property store's text form.
inline constexpr char kCommand1Settings[] = ":/quorvel/form1-command1.txt";
inline constexpr char kCommand2Settings[] = ":/quorvel/form1-command2.txt";
inline constexpr char kBannerLeft[] = ":/quorvel/banner-left.xpm";
inline constexpr char kBannerMiddle[] = ":/quorvel/banner-middle.xpm";
inline constexpr char kBannerRight[] = ":/quorvel/banner-right.xpm";
inline constexpr char kSampleCatalogue[] = ":/quorvel/ZAFIK.LIB";

} // namespace quorvel::resources
