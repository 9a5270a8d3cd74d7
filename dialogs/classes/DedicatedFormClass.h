#pragma once
// The identity of a dedicated dialog's form class, as the menu rows name it and the dialog areas register it.
// Each area lists its form classes once, in its own header here; a menu row points at one of them, so a name
// that no area declares does not compile. No widgets: the menu data below the shell includes these headers.
//
// The identity is the object's address: compare pointers, never copies.
struct DedicatedFormClass {
    const char* Name;  // "TVlanStaticForm"
};
