#pragma once

class TAppearanceGroup;
class TContentEditor;
class TMethodGroup;
class TReferenceGroup;
class TSizePositionGroup;

// The four groups and the content editor of the instance editor.
struct TEditorGroups {
    TReferenceGroup& Reference;
    TMethodGroup& Method;
    TAppearanceGroup& Appearance;
    TSizePositionGroup& SizePosition;
    TContentEditor& Content;
};
