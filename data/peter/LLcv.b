 1: 5	FN	finish this: Who are kept by the power of God ...?	through faith unto salvation ready to be revealed in the last time.
 1: 6	FN	finish this: Wherein ye greatly rejoice, though now for ...?	a season, if need be, ye are in heaviness through manifold temptations
 1: 7	FN	finish this: That the trial of your faith, being much more precious than of ...?	gold that perisheth, though it be tried with fire, might be found unto praise and honour and glory at the appearing of Jesus Christ
 1:16	FN	finish this: Because it is written ...?	Be ye holy; for I am holy.
 1:21	FN	finish this: Who by him do believe in God, that raised him ...?	up from the dead, and gave him glory; that your faith and hope might be in God.
 2: 1	FN	finish this: Wherefore laying aside all malice, and ...?	all guile, and hypocrisies, and envies, and all evil speakings
 2: 8	FN	finish this: And a stone of stumbling, and a rock of offence ...?	even to them which stumble at the word, being disobedient: whereunto also they were appointed.
 2: 9	FN	finish this: But ye are a chosen generation, a royal priesthood, an holy nation ...?	a peculiar people; that ye should shew forth the praises of him who hath called you out of darkness into his marvellous light
 2:15	FN	finish this: For so is the will of God, that ...?	with well doing ye may put to silence the ignorance of foolish men
 2:23	FN	finish this: Who, when he was reviled, reviled not again ...?	when he suffered, he threatened not; but committed himself to him that judgeth righteously
 3: 4	FN	finish this: But let it be the hidden man of the heart, in that ...?	which is not corruptible, even the ornament of a meek and quiet spirit, which is in the sight of God of great price.
 3: 5	FN	finish this: For after this manner in the old time the holy ...?	women also, who trusted in God, adorned themselves, being in subjection unto their own husbands
 3: 6	FN	finish this: Even as Sara obeyed Abraham, calling him lord: whose daughters ...?	ye are, as long as ye do well, and are not afraid with any amazement.
 3: 7	WH	to whom did Peter write, "Likewise, ye husbands, dwell with them according to ..."?	The husbands
 3:11	FN	finish this: Let him eschew evil, and ...?	do good; let him seek peace, and ensue it.
 3:12	FN	finish this: For the eyes of the Lord are over the righteous, and his ...?	ears are open unto their prayers: but the face of the Lord is against them that do evil.
 3:13	FN	finish this: And who is he that will ...?	harm you, if ye be followers of that which is good?
 5: 4	FN	finish this: And when the chief Shepherd shall appear ...?	ye shall receive a crown of glory that fadeth not away.
 5: 5	WH	to whom did Peter write, "Likewise, ye younger, submit yourselves unto the elder ..."?	The younger
 5: 6	FN	finish this: Humble yourselves therefore under the mighty ...?	hand of God, that he may exalt you in due time
 5:10	FN	finish this: But the God of all grace, who hath called us unto his ...?	eternal glory by Christ Jesus, after that ye have suffered a while, make you perfect, stablish, strengthen, settle you.
 5:11	FN	finish this: To him be glory ...?	and dominion for ever and ever. Amen.
 5:13	FN	finish this: The church that is at Babylon, elected ...?	together with you, saluteth you; and so doth Marcus my son.
 6: 1	FN	finish this: Simon Peter, a servant and an apostle of Jesus Christ, to them ...?	that have obtained like precious faith with us through the righteousness of God and our Saviour Jesus Christ
 6: 3	FN	finish this: According as his divine power hath given unto us all things that ...?	pertain unto life and godliness, through the knowledge of him that hath called us to glory and virtue
 6:10	WH	to whom did Peter write, "Wherefore the rather, brethren ..."?	The brethren
 6:11	FN	finish this: For so an entrance shall be ministered unto ...?	you abundantly into the everlasting kingdom of our Lord and Saviour Jesus Christ.
 6:12	FN	finish this: Wherefore I will not be negligent to put you always ...?	in remembrance of these things, though ye know them, and be established in the present truth.
 8: 1	WH	to whom did Peter write, "This second epistle, beloved ..."?	The beloved
 8: 2	FN	finish this: That ye may be mindful of the words which were spoken ...?	before by the holy prophets, and of the commandment of us the apostles of the Lord and Saviour
 8: 8	HM	how many years are spoken of?	A thousand years
 8:14	WH	to whom did Peter write, "Wherefore, beloved, seeing that ye look for such ..."?	The beloved
 8:15	FN	finish this: And account that the longsuffering of our Lord is salvation; even ...?	as our beloved brother Paul also according to the wisdom given unto him hath written unto you
 8:17	WH	to whom did Peter write, "Ye therefore, beloved, seeing ye know these things ..."?	The beloved
