#pragma once
// Where an entry is written: archive folder + mount point + entry name, joined
// by plain concatenation so that the usual "..\..\..\" mount point climbs from
// Content\Paks back to the game folder. Entry names cannot climb themselves.
#include <string>
#include <string_view>

namespace pakmole {

// An absolute mount point ("G:\UE\Project\Content\", "\") taken relative to
// the archive folder: drive and leading separators dropped. Others unchanged.
std::string RelativeMountPoint(std::string_view mountPoint);

// The mount point's own path for an output folder that nothing may leave:
// drive, leading separators, "." and climbing segments dropped, so
// "../../../MyGame/Content/" gives "MyGame\\Content\\" ("" when nothing is left).
std::string ContainedMountPoint(std::string_view mountPoint);

// Empty when the name may be written under the mount point; otherwise why
// not: an absolute name (leading separator, a drive) or a ".." segment.
std::string RefusedEntryName(std::string_view name);

}  // namespace pakmole
