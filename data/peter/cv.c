 1: 2	FN	finish this: Elect according to the foreknowledge of God the Father, through sanctification of ...?	the Spirit, unto obedience and sprinkling of the blood of Jesus Christ: Grace unto you, and peace, be multiplied.
 1:11	FN	finish this: Searching what, or what manner of time the Spirit of Christ which ...?	was in them did signify, when it testified beforehand the sufferings of Christ, and the glory that should follow.
 1:24	FN	finish this: For all flesh is as grass, and all the glory ...?	of man as the flower of grass. The grass withereth, and the flower thereof falleth away
 1:25	FN	finish this: But the word of the Lord endureth for ...?	ever. And this is the word which by the gospel is preached unto you.
 2: 6	FN	finish this: Wherefore also it is contained in the scripture, Behold, I lay ...?	in Sion a chief corner stone, elect, precious: and he that believeth on him shall not be confounded.
 2:11	WH	to whom did Peter write, "Dearly beloved, I beseech you as strangers and ..."?	The dearly beloved
 2:18	WH	to whom did Peter write, "Servants, be subject to your masters with all ..."?	The servants
 2:25	FN	finish this: For ye were as sheep going astray ...?	but are now returned unto the Shepherd and Bishop of your souls.
 3: 1	WH	to whom did Peter write, "Likewise, ye wives, be in subjection to your ..."?	The wives
 3: 2	FN	finish this: While they behold ...?	your chaste conversation coupled with fear.
 3: 3	FN	finish this: Whose adorning let it not be that outward adorning ...?	of plaiting the hair, and of wearing of gold, or of putting on of apparel
 3: 9	FN	finish this: Not rendering evil for evil, or railing for railing ...?	but contrariwise blessing; knowing that ye are thereunto called, that ye should inherit a blessing.
 3:15	FN	finish this: But sanctify the Lord God in your hearts: and be ready always ...?	to give an answer to every man that asketh you a reason of the hope that is in you with meekness and fear
 3:20	HM	how many souls are spoken of?	Eight souls
 4: 5	FN	finish this: Who shall give account to him ...?	that is ready to judge the quick and the dead.
 4:10	FN	finish this: As every man hath received the gift, even so ...?	minister the same one to another, as good stewards of the manifold grace of God.
 4:12	WH	to whom did Peter write, "Beloved, think it not strange concerning the fiery ..."?	The beloved
 4:13	FN	finish this: But rejoice, inasmuch as ye are partakers of Christ's sufferings ...?	that, when his glory shall be revealed, ye may be glad also with exceeding joy.
 4:18	FN	finish this: And if the righteous scarcely be ...?	saved, where shall the ungodly and the sinner appear?
 5: 2	FN	finish this: Feed the flock of God which is among you, taking ...?	the oversight thereof, not by constraint, but willingly; not for filthy lucre, but of a ready mind
 5: 8	FN	finish this: Be sober, be vigilant; because your adversary the ...?	devil, as a roaring lion, walketh about, seeking whom he may devour
 5: 9	FN	finish this: Whom resist stedfast in the faith, knowing that ...?	the same afflictions are accomplished in your brethren that are in the world.
 6: 5	FN	finish this: And beside this, giving all diligence ...?	add to your faith virtue; and to virtue knowledge
 6: 7	FN	finish this: And to godliness brotherly ...?	kindness; and to brotherly kindness charity.
 6:14	FN	finish this: Knowing that shortly I must put off ...?	this my tabernacle, even as our Lord Jesus Christ hath shewed me.
 6:16	FN	finish this: For we have not followed cunningly devised fables, when we made ...?	known unto you the power and coming of our Lord Jesus Christ, but were eyewitnesses of his majesty.
 6:17	FN	finish this: For he received from God the Father honour and glory, when there ...?	came such a voice to him from the excellent glory, This is my beloved Son, in whom I am well pleased.
 6:20	FN	finish this: Knowing this first, that no ...?	prophecy of the scripture is of any private interpretation.
 7:10	FN	finish this: But chiefly them that walk after the flesh in the lust ...?	of uncleanness, and despise government. Presumptuous are they, selfwilled, they are not afraid to speak evil of dignities.
 7:11	FN	finish this: Whereas angels, which are greater in power ...?	and might, bring not railing accusation against them before the Lord.
 7:12	FN	finish this: But these, as natural brute beasts, made to be taken and ...?	destroyed, speak evil of the things that they understand not; and shall utterly perish in their own corruption
 7:19	FN	finish this: While they promise them liberty, they themselves are the servants ...?	of corruption: for of whom a man is overcome, of the same is he brought in bondage.
 8: 4	FN	finish this: And saying, Where is the promise of his ...?	coming? for since the fathers fell asleep, all things continue as they were from the beginning of the creation.
 8:11	FN	finish this: Seeing then that all these things shall be dissolved ...?	what manner of persons ought ye to be in all holy conversation and godliness
 8:12	FN	finish this: Looking for and hasting unto the coming of the day of ...?	God, wherein the heavens being on fire shall be dissolved, and the elements shall melt with fervent heat?
 8:13	FN	finish this: Nevertheless we, according to his promise ...?	look for new heavens and a new earth, wherein dwelleth righteousness.
