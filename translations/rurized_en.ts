<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ChordStrip</name>
    <message numerus="yes">
        <source>%n拍</source>
        <translation>
            <numerusform>%n beat</numerusform>
            <numerusform>%n beats</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>鍵盤とギターのネックで見る (Instrument)</source>
        <translation>See it on a keyboard and a guitar neck (Instrument).</translation>
    </message>
</context>
<context>
    <name>DialogSarch</name>
    <message>
        <source>コード進行に加える</source>
        <translation>Add to progression</translation>
    </message>
    <message>
        <source>ScaleView が開かれていると使えます</source>
        <translation>Works while ScaleView is open.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Rurized ヘルプ</source>
        <translation>Rurized Help</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ヘルプファイルが見つかりません&lt;/h3&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;プログラムと同じフォルダに Rurized.html を置いてください。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Help file not found&lt;/h3&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Put Rurized.en.html in the same folder as the program.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Interval</name>
    <message>
        <source>完1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>根音</source>
        <translation>R</translation>
    </message>
    <message>
        <source>短2</source>
        <translation>m2</translation>
    </message>
    <message>
        <source>増1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>長2</source>
        <translation>M2</translation>
    </message>
    <message>
        <source>減3</source>
        <translation>d3</translation>
    </message>
    <message>
        <source>短3</source>
        <translation>m3</translation>
    </message>
    <message>
        <source>増2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>長3</source>
        <translation>M3</translation>
    </message>
    <message>
        <source>減4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>完4</source>
        <translation>P4</translation>
    </message>
    <message>
        <source>増3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>減5</source>
        <translation>♭5</translation>
    </message>
    <message>
        <source>増4</source>
        <translation>♯4</translation>
    </message>
    <message>
        <source>完5</source>
        <translation>P5</translation>
    </message>
    <message>
        <source>減6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>増5</source>
        <translation>♯5</translation>
    </message>
    <message>
        <source>短6</source>
        <translation>♭6</translation>
    </message>
    <message>
        <source>長6</source>
        <translation>M6</translation>
    </message>
    <message>
        <source>減7</source>
        <translation>d7</translation>
    </message>
    <message>
        <source>短7</source>
        <translation>m7</translation>
    </message>
    <message>
        <source>増6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>長7</source>
        <translation>M7</translation>
    </message>
    <message>
        <source>減8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>短9</source>
        <translation>♭9</translation>
    </message>
    <message>
        <source>増8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>長9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>減10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>増9</source>
        <translation>♯9</translation>
    </message>
    <message>
        <source>短10</source>
        <translation>m10</translation>
    </message>
    <message>
        <source>完11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>増10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>増11</source>
        <translation>♯11</translation>
    </message>
    <message>
        <source>減12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>短13</source>
        <translation>♭13</translation>
    </message>
    <message>
        <source>増12</source>
        <translation>A12</translation>
    </message>
    <message>
        <source>長13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>減14</source>
        <translation>d14</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>音の設定…</source>
        <translation>Sound settings...</translation>
    </message>
    <message>
        <source>MIDI の設定…</source>
        <translation>MIDI settings...</translation>
    </message>
    <message>
        <source>コード進行（Progression）</source>
        <translation>Chord progression (Progression)</translation>
    </message>
    <message>
        <source>鍵盤とネック（Instrument）</source>
        <translation>Keyboard and neck (Instrument)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>MIDI を開いています…</source>
        <translation>Opening MIDI...</translation>
    </message>
    <message>
        <source>MIDI が使えません：ALSA シーケンサーも JACK サーバーもありません（%1）</source>
        <translation>MIDI is unavailable: there is no ALSA sequencer and no JACK server (%1).</translation>
    </message>
</context>
<context>
    <name>MidiDialog</name>
    <message>
        <source>MIDI の設定</source>
        <translation>MIDI settings</translation>
    </message>
    <message>
        <source>内蔵の音源で鳴らす</source>
        <translation>Built-in synthesizer</translation>
    </message>
    <message>
        <source>内蔵の音源と MIDI 出力の両方へ</source>
        <translation>Built-in synthesizer and MIDI out</translation>
    </message>
    <message>
        <source>MIDI 出力だけへ</source>
        <translation>MIDI out only</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>再生の出力</source>
        <translation>Play through</translation>
    </message>
    <message>
        <source>チャンネル</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>入力の機器</source>
        <translation>Input device</translation>
    </message>
    <message>
        <source>%1 の「Rurized」の in と out に、ほかの機器やプログラムをつなげます</source>
        <translation>Connect other devices and programs to the in and out ports of “Rurized” in %1.</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1（見つかりません）</source>
        <translation>%1 (not found)</translation>
    </message>
</context>
<context>
    <name>PlayButton</name>
    <message>
        <source>再生（P）</source>
        <translation>Play (P)</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>Lydian♭7(上音列)</source>
        <translation>Lydian♭7(Overtone)</translation>
    </message>
</context>
<context>
    <name>SingleCopy</name>
    <message>
        <source>このプログラムは二重起動できませんので強制終了されます（爆）
щ(ﾟ∀ﾟ)ш</source>
        <translation>Rurized cannot be started twice, so this copy will now close. Oops!
щ(°∀°)ш</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>音が出ません：音源のライブラリ（%1）を読み込めません</source>
        <translation>No sound: the synthesizer library (%1) cannot be loaded.</translation>
    </message>
    <message>
        <source>音が出ません：SoundFont が見つかりません（%1）</source>
        <translation>No sound: the SoundFont was not found (%1).</translation>
    </message>
    <message>
        <source>音が出ません：SoundFont として読めません（%1）</source>
        <translation>No sound: the SoundFont cannot be read (%1).</translation>
    </message>
    <message>
        <source>音が出ません：音声サーバー（PulseAudio・ALSA・JACK）に接続できません。押すともう一度試します</source>
        <translation>No sound: cannot connect to an audio server (PulseAudio, ALSA, JACK). Press to try again.</translation>
    </message>
    <message>
        <source>音が出ません：音声サーバーとの接続が切れました。押すともう一度試します</source>
        <translation>No sound: the connection to the audio server was lost. Press to try again.</translation>
    </message>
    <message>
        <source>音はオフです（ランチャーの右クリックから「音の設定」）</source>
        <translation>Sound is off: right-click the launcher and choose Sound settings.</translation>
    </message>
</context>
<context>
    <name>SoundDialog</name>
    <message>
        <source>音の設定</source>
        <translation>Sound settings</translation>
    </message>
    <message>
        <source>音を出す</source>
        <translation>Play sound</translation>
    </message>
    <message>
        <source>参照…</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>試聴</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>遅延 %1 ms</source>
        <translation>Latency %1 ms</translation>
    </message>
</context>
<context>
    <name>SpellingButton</name>
    <message>
        <source>音名の表記（混合／シャープ／フラット／調号）</source>
        <translation>Note spelling: mixed, sharps, flats or key signature.</translation>
    </message>
</context>
<context>
    <name>frmAuthor</name>
    <message>
        <source>作曲・編曲のためのスケール、コード、調号の早見表</source>
        <translation>Scales, chords and key signatures at a glance for songwriters</translation>
    </message>
    <message>
        <source>曲づくりのそばに、いつでも。</source>
        <translation>Always at hand while you write.</translation>
    </message>
    <message>
        <source>使ってくださる皆さんに感謝します。</source>
        <translation>Thank you for using Rurized.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmChord</name>
    <message>
        <source>コードを検索</source>
        <translation>Searches for chords by their notes.</translation>
    </message>
    <message>
        <source>コード進行に加える（Insert、Shift+ダイアトニック）</source>
        <translation>Adds the chord to the progression (Insert, or a diatonic button with Shift).</translation>
    </message>
    <message>
        <source>音程名の設定</source>
        <translation>Chooses the interval names.</translation>
    </message>
    <message>
        <source>押さえていない5度 (no 5th)</source>
        <translation>Fifth not played (no 5th).</translation>
    </message>
    <message>
        <source>緑の枠: 使えるテンション
赤の枠: アボイド・ノート
橙の枠: キーの外から借りてよく使うテンション
灰色の枠: キーの外の音</source>
        <translation>Green frame: available tension
Red frame: avoid note
Orange frame: tension often borrowed from outside the key
Grey frame: note outside the key</translation>
    </message>
    <message>
        <source>ベース: %1</source>
        <translation>Bass: %1</translation>
    </message>
</context>
<context>
    <name>frmInstrument</name>
    <message>
        <source>鍵盤</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>ネック</source>
        <translation>Neck</translation>
    </message>
    <message>
        <source>鍵盤とネックを切り替え</source>
        <translation>Switches between keyboard and neck.</translation>
    </message>
    <message>
        <source>度数</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>左利き</source>
        <translation>Lefty</translation>
    </message>
</context>
<context>
    <name>frmKey</name>
    <message>
        <source>主調</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>上属調</source>
        <translation>V</translation>
    </message>
    <message>
        <source>下属調</source>
        <translation>IV</translation>
    </message>
</context>
<context>
    <name>frmLoading</name>
    <message>
        <source>起動しています・・・</source>
        <translation>Starting...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>RavAvud（調号と近親調）</source>
        <translation>RavAvud (key signatures and related keys)</translation>
    </message>
    <message>
        <source>VozuvIver（コード表）</source>
        <translation>VozuvIver (chord chart)</translation>
    </message>
    <message>
        <source>最前面表示／解除</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>インフォメーション</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmMemo</name>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
</context>
<context>
    <name>frmProgression</name>
    <message>
        <source>T: トニック</source>
        <translation>T: tonic</translation>
    </message>
    <message>
        <source>SD: サブドミナント</source>
        <translation>SD: subdominant</translation>
    </message>
    <message>
        <source>D: ドミナント</source>
        <translation>D: dominant</translation>
    </message>
    <message>
        <source>SDm: サブドミナント・マイナー</source>
        <translation>SDm: subdominant minor</translation>
    </message>
    <message>
        <source>偽終止</source>
        <translation>Deceptive</translation>
    </message>
    <message>
        <source>V7/x: その和音へのドミナント</source>
        <translation>Secondary V7</translation>
    </message>
    <message>
        <source>解決先</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>ツー・ファイブ</source>
        <translation>II–V</translation>
    </message>
    <message>
        <source>裏コード</source>
        <translation>Tritone sub</translation>
    </message>
    <message>
        <source>同主短調から借用</source>
        <translation>Borrowed</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>MIDI ファイルに保存…</source>
        <translation>Save as MIDI file...</translation>
    </message>
    <message>
        <source>キー（自動: コードから推定）</source>
        <translation>The key. Auto guesses it from the chords.</translation>
    </message>
    <message>
        <source>テンポ（1分あたりの拍数）</source>
        <translation>Tempo in beats per minute.</translation>
    </message>
    <message>
        <source>ループ</source>
        <translation>Loop</translation>
    </message>
    <message numerus="yes">
        <source>%n拍</source>
        <extracomment>The list is narrow: a number and a short unit at most; the tooltip names the unit.</extracomment>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
    <message>
        <source>選んだコードの長さ</source>
        <translation>Length of the selected chord in beats.</translation>
    </message>
    <message>
        <source>MIDI キーボードで押さえた和音を離すたびに加える</source>
        <translation>Adds each chord held on a MIDI keyboard as you let it go.</translation>
    </message>
    <message>
        <source>すべて消す（Ctrl+Z で戻る）</source>
        <translation>Clears every chord (Ctrl+Z brings them back).</translation>
    </message>
    <message>
        <source>音楽ソフトへドラッグ: 進行全体を MIDI ファイルで</source>
        <translation>Drag into your music software to take the whole progression as a MIDI file.</translation>
    </message>
    <message>
        <source>クリックで試聴、ダブルクリックで追加</source>
        <translation>Click to listen, double-click to add.</translation>
    </message>
    <message>
        <source>自動 (%1)</source>
        <translation>Auto (%1)</translation>
    </message>
    <message>
        <source>コードは %1 個までです</source>
        <translation>The progression holds up to %1 chords.</translation>
    </message>
    <message>
        <source>コード名として読めません: %1</source>
        <translation>Not a chord name: %1</translation>
    </message>
    <message>
        <source>コード名がありません</source>
        <translation>No chord names found.</translation>
    </message>
    <message>
        <source>Ctrl+Z で元に戻せます</source>
        <translation>Press Ctrl+Z to undo.</translation>
    </message>
    <message>
        <source>コードがありません</source>
        <translation>The progression is empty.</translation>
    </message>
    <message>
        <source>MIDI ファイルに保存</source>
        <translation>Save as MIDI file</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>保存できません: %1</source>
        <translation>Could not save: %1</translation>
    </message>
</context>
<context>
    <name>frmReference</name>
    <message>
        <source>音の名称</source>
        <translation>Degree names</translation>
    </message>
    <message>
        <source>トニック</source>
        <translation>Key note</translation>
    </message>
    <message>
        <source>主音</source>
        <translation>do</translation>
    </message>
    <message>
        <source>SuperTonic</source>
        <translation>Supertonic</translation>
    </message>
    <message>
        <source>スーパートニック</source>
        <translation>A step above I</translation>
    </message>
    <message>
        <source>上主音</source>
        <translation>re</translation>
    </message>
    <message>
        <source>ミーディアント</source>
        <translation>Midway to V</translation>
    </message>
    <message>
        <source>上中音</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>SubDominant</source>
        <translation>Subdominant</translation>
    </message>
    <message>
        <source>サブドミナント</source>
        <translation>A fifth below I</translation>
    </message>
    <message>
        <source>下属音</source>
        <translation>fa</translation>
    </message>
    <message>
        <source>ドミナント</source>
        <translation>A fifth above I</translation>
    </message>
    <message>
        <source>上属音</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>SubMediant</source>
        <translation>Submediant</translation>
    </message>
    <message>
        <source>サブミーディアント</source>
        <translation>Midway down to IV</translation>
    </message>
    <message>
        <source>下中音</source>
        <translation>la</translation>
    </message>
    <message>
        <source>LeadingTone</source>
        <translation>Leading tone</translation>
    </message>
    <message>
        <source>リーディングトーン</source>
        <translation>A semitone below I</translation>
    </message>
    <message>
        <source>導音</source>
        <translation>ti</translation>
    </message>
    <message>
        <source>特有なコード</source>
        <translation>Characteristic chords</translation>
    </message>
    <message>
        <source>DoppelDominant</source>
        <translation>Double dominant</translation>
    </message>
    <message>
        <source>ドッペルドミナント</source>
        <translation>V7/V</translation>
    </message>
    <message>
        <source>NeapolitanChord</source>
        <translation>Neapolitan chord</translation>
    </message>
    <message>
        <source>ナポリタンコード</source>
        <translation>N6 (♭II6)</translation>
    </message>
    <message>
        <source>よく使われるテンション</source>
        <translation>Common tensions</translation>
    </message>
    <message>
        <source>ＩＩ</source>
        <translation>II</translation>
    </message>
    <message>
        <source>ＩＩI</source>
        <translation>III</translation>
    </message>
    <message>
        <source>ＩＩm</source>
        <translation>IIm</translation>
    </message>
    <message>
        <source>ＩＩm(♭5)</source>
        <translation>IIm(♭5)</translation>
    </message>
    <message>
        <source>ＩＩIm</source>
        <translation>IIIm</translation>
    </message>
    <message>
        <source>♭ＩＩI</source>
        <translation>♭III</translation>
    </message>
</context>
<context>
    <name>frmScale</name>
    <message>
        <source>VozuvIverのコードを含むスケールへ</source>
        <translation>Goes to the next scale that holds the chord in VozuvIver.</translation>
    </message>
    <message>
        <source>VozuvIverにコードがありません</source>
        <translation>VozuvIver shows no chord.</translation>
    </message>
    <message>
        <source>このルートにはVozuvIverのコードを含むスケールがありません</source>
        <translation>No scale on this root holds VozuvIver&apos;s chord.</translation>
    </message>
</context>
</TS>
