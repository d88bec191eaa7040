/* Preloaded into the sanitizer runs: dlclose does nothing, so every library
 * a process loads stays mapped until the leak checker reports. A library
 * unloaded before the report (a graphics driver that EGL loads and drops,
 * say) is named "<unknown module>" there, which no suppression can match;
 * kept, it is named, and suppressed or reported by that name. */
int dlclose(void *handle)
{
    (void)handle;
    return 0;
}
