<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Arabic for the few texts of Qt itself that La Numerella words otherwise than Debian's translation: the
     Yes and No of its questions get a Latin Alt letter, which a Latin keyboard types (Qt's own has
     Arabic ones). Loaded after Qt's own; edited by hand, never by lupdate. -->
<TS version="2.1" language="ar">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا (&amp;N)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>نعم للكل (&amp;A)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>لا للكل (&amp;O)</translation>
    </message>
</context>
</TS>
